#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QPointer>
#include <QWidget>

class QTabWidget;

/// One page of a tab bar, for a QtTab peer. Showing, hiding and enabling act on its tab.
/// GUI thread.
class GuiTab : public QWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiTab(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    QString name() const { return m_name; }
    /// Called by the tab bar that takes this page.
    void setOwner(QTabWidget* owner);
    QTabWidget* owner() const { return m_owner; }
    /// The page's index in its bar, or -1 when it has none or was removed from it.
    int tabIndex() const;

private:
    QString m_name;
    QPointer<QTabWidget> m_owner;
    // Where the tab was before HideMsg took it out, so ShowMsg puts it back there.
    int m_lastIndex = -1;
};
