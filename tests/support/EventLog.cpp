#include "tests/support/EventLog.h"

#include "engine/VXEvent.h"
#include "engine/VXWidget.h"

namespace vxtest {

EventLog::EventLog(Action action)
    : m_action(std::move(action))
{
}

void EventLog::handleEvent(const VXEvent* event)
{
    const char* text8 = event->getString();
    events.push_back({ event->getType(), event->getWidget(), event->getValue(), event->getState(),
        event->getUString(), text8 ? text8 : "" });
    if (m_action)
        m_action(event);
}

void EventLog::watch(VXWidget* proxy, const std::vector<VXEventType>& types)
{
    for (VXEventType type : types)
        proxy->addEventListener(this, type);
}

std::vector<SeenEvent> EventLog::ofType(VXEventType type) const
{
    std::vector<SeenEvent> found;
    for (const SeenEvent& e : events) {
        if (e.type == type)
            found.push_back(e);
    }
    return found;
}

SeenEvent EventLog::last(VXEventType type) const
{
    for (auto it = events.rbegin(); it != events.rend(); ++it) {
        if (it->type == type)
            return *it;
    }
    return {};
}

} // namespace vxtest
