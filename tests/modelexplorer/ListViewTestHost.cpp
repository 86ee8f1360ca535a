#include "tests/modelexplorer/ListViewTestHost.h"

#include "engine/VXEvent.h"
#include "engine/VXWidget.h"
#include "engine/modelexplorer/VXEventBoolArray.h"
#include "engine/modelexplorer/VXEventIntArray.h"
#include "engine/modelexplorer/VXEventRect.h"
#include "engine/modelexplorer/VXEventUDI.h"
#include "engine/modelexplorer/VXMEEventCreateObject.h"
#include "engine/modelexplorer/VXMEEventData.h"
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
    VXMEObjectDataList one;
    const VXMEObjectDataList* records = nullptr;
    if (auto* list = dynamic_cast<const VXMEEventDataList*>(event))
        records = list->getList();
    if (auto* single = dynamic_cast<const VXMEEventData*>(event); single && single->getData()) {
        one.push_back(single->getData());
        records = &one;
    }
    if (records) {
        for (const VXMEObjectData* record : *records) {
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
    if (auto* udi = dynamic_cast<const VXEventUDI*>(event))
        seen.object = udi->getObject();
    if (auto* flags = dynamic_cast<const VXEventBoolArray*>(event))
        seen.numbers.assign(flags->getValues(), flags->getValues() + flags->getCount());
    if (auto* ints = dynamic_cast<const VXEventIntArray*>(event))
        seen.numbers.assign(ints->getValues(), ints->getValues() + ints->getCount());
    if (auto* rect = dynamic_cast<const VXEventRect*>(event))
        seen.numbers = { rect->left, rect->top, rect->width, rect->height };
    if (auto* create = dynamic_cast<const VXMEEventCreateObject*>(event);
        create && create->getNames())
        seen.names = create->getNames()->elements();
    if (!seen.object && !seen.records.empty())
        seen.object = seen.records.front().object;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_events.push_back(seen);
    }
    if (m_answer)
        m_answer(seen);
}

void ListViewTestHost::watch(VXWidget* owner, std::initializer_list<VXEventType> types)
{
    static const std::initializer_list<VXEventType> listEvents = { SSSelectionChangedEvent,
        SSItemsDblClickedEvent, SSItemsEditRequest, SSItemsChangedEvent, SSGetPendingDataEvent,
        SSClickHyperlinkPropEvent, SSSortingChangedEvent, SSGroupingChangedEvent,
        MEClearIndicesEvent, MEHeaderContextMenuEvent };
    for (VXEventType type : types.size() ? types : listEvents)
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
