#include "tests/text/TextTestSupport.h"

#include "engine/VXBridge.h"
#include "engine/VXEvent.h"
#include "engine/VXWidget.h"
#include "tests/bridge/BridgeTestEnvironment.h"

namespace vxtest {

void EventLog::handleEvent(const VXEvent* event)
{
    events.push_back({ event->getType(), event->getWidget(), event->getValue(), event->getUString(),
        event->getString() ? event->getString() : "" });
}

void EventLog::listenTo(VXWidget* proxy, std::initializer_list<VXEventType> types)
{
    for (VXEventType type : types)
        proxy->addEventListener(this, type);
}

std::size_t EventLog::count(VXEventType type) const
{
    std::size_t n = 0;
    for (const auto& e : events)
        n += e.type == type ? 1 : 0;
    return n;
}

std::vector<VXEventType> EventLog::types() const
{
    std::vector<VXEventType> result;
    for (const auto& e : events)
        result.push_back(e.type);
    return result;
}

SeenEvent EventLog::last(VXEventType type) const
{
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (it->type == type)
            return *it;
    }
    return { InvalidEvent, nullptr, 0, {}, {} };
}

int widgetCount()
{
    return bridge()->getHashedSize();
}

} // namespace vxtest
