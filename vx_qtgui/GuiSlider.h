#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QSlider>

/// The horizontal slider of a QtSlider peer; reports drags and every change of value. GUI
/// thread.
class GuiSlider : public QSlider, public GuiWidget {
    Q_OBJECT

public:
    /// `name` (8-bit) becomes the object name.
    GuiSlider(void* key, QWidget* parent, const QByteArray& name);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

private:
    /// A host value within the slider's bound.
    static int bounded(int value);
    /// Sets the tick interval the host asked for (0: Qt's choice), widened so that at most
    /// GuiLimits::MaxSliderTicks marks are painted.
    void applyTickInterval();

    int m_requestedTickInterval = 0;

private slots:
    void movedEvent(int position);
    void valueChangedEvent(int value);
};
