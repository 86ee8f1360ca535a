#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QLabel>

/// The static text label of a QtText peer; reports context-menu requests. GUI thread.
class GuiText : public QLabel, public GuiWidget {
    Q_OBJECT

public:
    GuiText(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Without a buddy every "&" is doubled so that it shows; with one it marks the mnemonic.
    void setLabelText(const QString& text);

protected:
    void contextMenuEvent(QContextMenuEvent* e) override;
};
