#pragma once

#include "engine/VXSlider.h"
#include "vxqtgui_export.h"

/// Peer of VXSlider: every operation becomes a message to its GuiSlider. Engine thread.
class VXQTGUI_EXPORT QtSlider : public VXSlider {
public:
    explicit QtSlider(VXWidget* parent);
    ~QtSlider() override;

    void setMinValue(int value) override;
    void setMaxValue(int value) override;
    void setValue(int value) override;
    void setTickInterval(int interval) override;
    int value() override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
};
