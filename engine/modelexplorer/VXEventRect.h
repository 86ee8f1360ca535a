#pragma once

#include "engine/VXEvent.h"
#include "vxqtgui_export.h"

/// An event carrying a rectangle (x, y, width, height in device-independent units).
class VXQTGUI_EXPORT VXEventRect : public VXEvent {
public:
    VXEventRect(VXEventType type, VXWidget* widget, int left, int top, int width, int height);
    ~VXEventRect() override;

    int left;
    int top;
    int width;
    int height;
};
