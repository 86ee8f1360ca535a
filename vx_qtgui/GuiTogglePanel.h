#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QWidget>

class QCheckBox;

/// The toggle panel of a QtTogglePanel peer: a header check box over a content area that is
/// shown only while the box is checked. GUI thread.
class GuiTogglePanel : public QWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiTogglePanel(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    QCheckBox* header() const { return m_header; }
    QWidget* content() const { return m_content; }

private slots:
    void togglePanel(bool checked);

private:
    void setUpTogglePanel();

    QCheckBox* m_header = nullptr;
    QWidget* m_content = nullptr;
};
