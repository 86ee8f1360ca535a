#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QGroupBox>

/// The titled frame of a QtGroupBox peer. GUI thread.
class GuiGroupBox : public QGroupBox, public GuiWidget {
    Q_OBJECT

public:
    GuiGroupBox(void* key, QWidget* parent, const QString& title);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
};
