#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QRadioButton>

/// The radio button of a QtRadioButton peer; reports nothing back. GUI thread.
class GuiRadioButton : public QRadioButton, public GuiWidget {
    Q_OBJECT

public:
    GuiRadioButton(void* key, QWidget* parent, const QString& label = QString());

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
};
