#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QScrollArea>

/// The scroll area of a QtScrollView peer; its contents are another registered widget.
/// GUI thread.
class GuiScrollView : public QScrollArea, public GuiWidget {
    Q_OBJECT

public:
    GuiScrollView(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
};
