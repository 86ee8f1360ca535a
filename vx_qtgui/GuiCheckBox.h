#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QCheckBox>

/// The check box of a QtCheckBox peer; reports user toggles as CheckBoxToggleEvent and context
/// menus as ContextMenuEvent. GUI thread.
class GuiCheckBox : public QCheckBox, public GuiWidget {
    Q_OBJECT

public:
    GuiCheckBox(void* key, QWidget* parent, const QString& label);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private slots:
    void clickEvent();
};
