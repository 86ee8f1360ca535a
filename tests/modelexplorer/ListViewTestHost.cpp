#include "tests/modelexplorer/ListViewTestHost.h"

#include "engine/VXEvent.h"
#include "engine/VXWidget.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectPropnameEventData.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

void ListViewTestHost::handleEvent(const VXEvent* event)
{
    SeenListEvent seen;
    seen.type = event->getType();
    seen.text = event->getString() ? event->getString() : "";
    seen.state = event->getState();
    seen.value = event->getValue();
    if (auto* list = dynamic_cast<const VXMEEventDataList*>(event)) {
        for (const VXMEObjectData* record : *list->getList()) {
            SeenRecord r;
            r.object = record->object;
            r.owner = record->owner;
            r.index = record->index;
            if (auto* data = dynamic_cast<const VXMEObjectEventData*>(record)) {
                if (data->propertyNames)
                    r.names = data->propertyNames->elements();
                if (data->propertyValues)
                    r.values = data->propertyValues->elements();
            }
            seen.records.push_back(r);
        }
    }
    if (auto* link = dynamic_cast<const VXMEObjectPropnameEventData*>(event)) {
        seen.object = link->getObject();
        seen.text = link->getPropertyName() ? link->getPropertyName() : "";
    }
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.push_back(seen);
    }
    if (m_answer)
        m_answer(seen);
}

void ListViewTestHost::watch(VXWidget* owner)
{
    for (VXEventType type :
        { SSSelectionChangedEvent, SSItemsDblClickedEvent, SSItemsEditRequest, SSItemsChangedEvent,
            SSGetPendingDataEvent, SSClickHyperlinkPropEvent, SSSortingChangedEvent,
            SSGroupingChangedEvent, MEClearIndicesEvent, MEHeaderContextMenuEvent })
        owner->addEventListener(this, type);
}

std::vector<SeenListEvent> ListViewTestHost::ofType(VXEventType type) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    std::vector<SeenListEvent> out;
    for (const SeenListEvent& e : m_events) {
        if (e.type == type)
            out.push_back(e);
    }
    return out;
}

void ListViewTestHost::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_events.clear();
}
