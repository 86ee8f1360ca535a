#include "engine/modelexplorer/VXMEEventStringList.h"

#include "vrix/VXStringList.h"

VXMEEventStringList::VXMEEventStringList(VXEventType type, VXWidget* widget, VXStringList* list)
    : VXMEEvent(type, widget)
    , m_list(list)
{
}

VXMEEventStringList::~VXMEEventStringList()
{
    if (m_ownsPayload)
        delete m_list;
}
