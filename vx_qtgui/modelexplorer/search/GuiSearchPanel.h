#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QFrame>
#include <QIcon>

class QLabel;
class QToolButton;

/// The explorer's search panel: a title, what was found, and, when expanded, the options the
/// search ran with and its condition or warning. GUI thread.
class GuiSearchPanel : public QFrame, public GuiWidget {
    Q_OBJECT

public:
    GuiSearchPanel(void* key, QWidget* parent);
    ~GuiSearchPanel() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// The explorer's translated texts: the title, the expand and the collapse tips. An empty
    /// text keeps the panel's own.
    void setCatalogueTexts(
        const QString& title, const QString& expandTip, const QString& collapseTip);
    /// Results, options, condition and warning; the condition label shows the warning when
    /// there is one.
    void setSearchLabels(const QString& results, const QString& options, const QString& condition,
        const QString& warning);

    bool isExpanded() const { return m_expanded; }
    QLabel* headerLabel() const { return m_header; }
    QLabel* resultsLabel() const { return m_results; }
    QLabel* optionsLabel() const { return m_options; }
    QLabel* conditionLabel() const { return m_condition; }
    QToolButton* expandButton() const { return m_expandButton; }
    QToolButton* closeButton() const { return m_closeButton; }

public slots:
    void slotExpandCollapse();

private:
    void createPanelLayout();
    void applyExpanded();

    QLabel* m_header = nullptr;
    QLabel* m_results = nullptr;
    QLabel* m_options = nullptr;
    QLabel* m_condition = nullptr;
    QToolButton* m_expandButton = nullptr;
    QToolButton* m_closeButton = nullptr;
    QIcon m_expandIcon;
    QIcon m_collapseIcon;
    QString m_expandTip;
    QString m_collapseTip;
    QString m_texts[4];
    bool m_expanded = false;
};
