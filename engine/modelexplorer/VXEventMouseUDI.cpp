#include "engine/modelexplorer/VXEventMouseUDI.h"

VXEventMouseUDI::VXEventMouseUDI(
    VXEventType type, VXWidget* widget, int x, int y, UDInterface* object)
    : VXEventMouse(type, widget, x, y)
    , m_object(object)
{
}

VXEventMouseUDI::~VXEventMouseUDI() = default;
