#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QWidget>

/// The plain container of a QtPanel peer, with or without a parent. GUI thread.
class GuiPanel : public QWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiPanel(void* key, QWidget* parent, const QString& name);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    bool showsGrid() const { return m_showGrid; }

private:
    bool m_showGrid = false;
};
