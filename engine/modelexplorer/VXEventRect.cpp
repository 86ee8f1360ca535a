#include "engine/modelexplorer/VXEventRect.h"

VXEventRect::VXEventRect(
    VXEventType type, VXWidget* widget, int left, int top, int width, int height)
    : VXEvent(type, widget)
    , left(left)
    , top(top)
    , width(width)
    , height(height)
{
}

VXEventRect::~VXEventRect() = default;
