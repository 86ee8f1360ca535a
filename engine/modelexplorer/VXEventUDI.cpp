#include "engine/modelexplorer/VXEventUDI.h"

VXEventUDI::VXEventUDI(VXEventType type, VXWidget* widget, UDInterface* object)
    : VXEvent(type, widget)
    , m_object(object)
{
}

VXEventUDI::~VXEventUDI() = default;
