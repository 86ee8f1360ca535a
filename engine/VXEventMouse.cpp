#include "engine/VXEventMouse.h"

VXEventMouse::VXEventMouse(VXEventType type, VXWidget* widget, int x, int y)
    : VXEvent(type, widget)
    , m_x(x)
    , m_y(y)
{
}

VXEventMouse::~VXEventMouse() = default;
