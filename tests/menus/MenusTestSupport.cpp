#include "tests/menus/MenusTestSupport.h"

#include "engine/VXBridge.h"
#include "engine/VXWidget.h"
#include "tests/bridge/BridgeTestEnvironment.h"

namespace vxtest {

void EventLog::handleEvent(const VXEvent* event)
{
    events.push_back({ event->getType(), event->getWidget(), event->getValue(), event->getState(),
        event->getUString() });
}

void EventLog::watch(VXWidget* proxy, std::initializer_list<VXEventType> types)
{
    for (VXEventType type : types)
        proxy->addEventListener(this, type);
}

std::vector<SeenEvent> EventLog::ofType(VXEventType type) const
{
    std::vector<SeenEvent> found;
    for (const SeenEvent& event : events) {
        if (event.type == type)
            found.push_back(event);
    }
    return found;
}

int widgetCount()
{
    return bridge()->getHashedSize();
}

} // namespace vxtest
