#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QHBoxLayout>

/// The horizontal box layout of a QtHBoxLayout peer, on a parent widget or free until another
/// layout takes it. GUI thread.
class GuiHBoxLayout : public QHBoxLayout, public GuiWidget {
    Q_OBJECT

public:
    GuiHBoxLayout(void* key, QWidget* parent);
    explicit GuiHBoxLayout(void* key);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
};
