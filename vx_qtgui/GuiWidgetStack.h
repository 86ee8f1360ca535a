#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QStackedWidget>

/// The page stack of a QtWidgetStack peer; its pages are other registered widgets. GUI thread.
class GuiWidgetStack : public QStackedWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiWidgetStack(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
};
