#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QVBoxLayout>

/// The vertical box layout of a QtVBoxLayout peer, on a parent widget or free until another
/// layout takes it. GUI thread.
class GuiVBoxLayout : public QVBoxLayout, public GuiWidget {
    Q_OBJECT

public:
    GuiVBoxLayout(void* key, QWidget* parent);
    explicit GuiVBoxLayout(void* key);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
};
