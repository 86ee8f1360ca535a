#include "engine/modelexplorer/VXMEEventCreateObject.h"

#include "vrix/VXStringList.h"

VXMEEventCreateObject::VXMEEventCreateObject(
    VXEventType type, VXWidget* widget, VXStringList* names)
    : VXEvent(type, widget)
    , m_names(names)
{
}

VXMEEventCreateObject::~VXMEEventCreateObject()
{
    delete m_names;
}
