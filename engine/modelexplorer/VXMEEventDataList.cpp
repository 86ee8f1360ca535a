#include "engine/modelexplorer/VXMEEventDataList.h"

VXMEEventDataList::VXMEEventDataList(VXEventType type, VXWidget* widget, VXMEObjectDataList* list)
    : VXMEEvent(type, widget)
    , m_list(list)
{
}

VXMEEventDataList::~VXMEEventDataList()
{
    if (m_ownsPayload)
        VXMEObjectData::destroyList(m_list);
}
