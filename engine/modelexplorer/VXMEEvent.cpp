#include "engine/modelexplorer/VXMEEvent.h"

VXMEEvent::VXMEEvent(VXEventType type, VXWidget* widget)
    : VXEvent(type, widget)
{
}

VXMEEvent::~VXMEEvent() = default;
