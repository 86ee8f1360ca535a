#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QTabWidget>

/// The tab widget of a QtTabBar peer; its pages are GuiTab widgets. Reports the user's tab
/// changes. GUI thread.
class GuiTabBar : public QTabWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiTabBar(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// While set, tab changes are not reported.
    void setSuppressEvents(bool suppress) { m_suppressEvents = suppress; }

private slots:
    void slotCurrentChanged(int index);

private:
    bool m_suppressEvents = false;
};
