#pragma once

#include "engine/VXEvent.h"
#include "vxqtgui_export.h"

/// An event that carries a position (device pixels, rounded to ints). Raised on the GUI
/// thread, delivered on the engine thread like any event.
class VXQTGUI_EXPORT VXEventMouse : public VXEvent {
public:
    VXEventMouse(VXEventType type, VXWidget* widget, int x, int y);
    ~VXEventMouse() override;

    int x() const { return m_x; }
    int y() const { return m_y; }

private:
    int m_x;
    int m_y;
};
