#include "engine/modelexplorer/VXMEObjectPropnameEventData.h"

#include <cstring>

VXMEObjectPropnameEventData::VXMEObjectPropnameEventData(
    VXEventType type, VXWidget* widget, UDInterface* object)
    : VXMEEvent(type, widget)
    , m_object(object)
{
}

VXMEObjectPropnameEventData::~VXMEObjectPropnameEventData()
{
    // A copy the event does not own was handed on and is freed by whoever took it.
    if (m_ownsPayload)
        delete[] m_propertyName;
}

void VXMEObjectPropnameEventData::setPropertyName(const char* name)
{
    if (!name)
        return;
    const std::size_t length = std::strlen(name);
    char* copy = new char[length + 1];
    std::memcpy(copy, name, length + 1);
    if (m_ownsPayload)
        delete[] m_propertyName;
    m_propertyName = copy;
}
