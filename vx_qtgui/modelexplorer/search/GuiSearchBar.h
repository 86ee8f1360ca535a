#pragma once

#include "engine/VXEventType.h"
#include "vx_qtgui/GuiWidget.h"

#include <QPointer>
#include <QStringList>
#include <QToolBar>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;
class SBComboBox;

/// The explorer's search bar (a tool bar): a search-type box, then the parameter widgets the
/// host describes as (kind, value) pairs, an options menu button and the search button. What
/// the user enters reaches the host as search-bar events. GUI thread.
class GuiSearchBar : public QToolBar, public GuiWidget {
    Q_OBJECT

public:
    GuiSearchBar(void* key, QWidget* parent);
    ~GuiSearchBar() override;

    /// Most (kind, value) pairs a description builds; further pairs are left out.
    static constexpr int MaxDynamicPairs = 100;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// The explorer's translated texts: the bar's label, the search button, the options tip. An
    /// empty text keeps the bar's own.
    void setCatalogueTexts(
        const QString& searchLabel, const QString& searchButton, const QString& optionsToolTip);

    QLabel* searchLabel() const { return m_label; }
    SBComboBox* searchTypeBox() const { return m_typeBox; }
    QPushButton* searchButton() const { return m_searchButton; }
    QToolButton* optionsButton() const { return m_optionsButton; }
    /// Labels, edits and boxes in bar order, then the options button, the search button and the
    /// spacer.
    const QList<QWidget*>& dynamicWidgets() const { return m_dynamic; }

    /// Widget 1 is the search-type box; 2 and on the parameter edits and boxes. Null otherwise.
    QWidget* widgetNumber(int number) const;
    int numberOfWidgets() const;
    QString widgetValue(int number) const;
    /// Enters `value` as the user would; false for an unknown number.
    bool editWidget(int number, const QString& value);
    void setDynamicWidgets(const QStringList& description, bool focus);
    void setActiveSearchType(const QString& type);

public slots:
    void valueEntered(QWidget* widget, const QString& text);
    void searchButtonClicked();
    void optionsMenuActivated();
    void sbVisibilityChanged(bool visible);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setStaticWidgets();
    void replaceDynamicWidgets(const QStringList& description, bool focus);
    void updateDynamicWidgets(const QStringList& description, bool focus);
    void addTrailingWidgets(bool focusButton);
    void setOptionsMenu(QMenu* menu);
    void postValue(VXEventType type, const QString& text, int value) const;
    static void fillCombo(QComboBox* box, const QString& items);

    QWidget* m_body = nullptr;
    QHBoxLayout* m_layout = nullptr;
    QLabel* m_label = nullptr;
    SBComboBox* m_typeBox = nullptr;
    QList<QWidget*> m_dynamic;
    QStringList m_previous;
    QToolButton* m_optionsButton = nullptr;
    QPointer<QMenu> m_optionsMenu;
    QPushButton* m_searchButton = nullptr;
    QString m_buttonText;
    QString m_buttonToolTip;
    QString m_searchLabel;
    QString m_searchButtonDefault;
    QString m_optionsToolTip;
    // Set while a host message is handled: visibility changes then are not the user's.
    bool m_inMessage = false;
};
