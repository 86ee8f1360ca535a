#include "engine/modelexplorer/VXMEEventData.h"

#include "engine/modelexplorer/VXMEObjectEventData.h"

VXMEEventData::VXMEEventData(VXEventType type, VXWidget* widget, VXMEObjectEventData* data)
    : VXMEEvent(type, widget)
    , m_data(data)
{
}

VXMEEventData::~VXMEEventData()
{
    if (m_ownsPayload)
        delete m_data;
}
