#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a slider; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXSlider : public VXWidget {
public:
    explicit VXSlider(VXWidget* parent);
    ~VXSlider() override;

    virtual void setMinValue(int value) { }
    virtual void setMaxValue(int value) { }
    /// The host hears of the new value, as of any change of value.
    virtual void setValue(int value) { }
    virtual void setTickInterval(int interval) { }
    virtual int value() { return 0; }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
};
