#include "tests/support/EventLog.h"

#include "engine/VXEvent.h"
#include "engine/VXWidget.h"
#include "tests/support/BridgeTestEnvironment.h"

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

void EventLog::watch(VXWidget* proxy, std::initializer_list<VXEventType> types)
{
    for (VXEventType type : types)
        proxy->addEventListener(this, type);
}

std::vector<int> EventLog::values() const
{
    std::vector<int> result;
    for (const SeenEvent& e : events)
        result.push_back(e.value);
    return result;
}

std::vector<bool> EventLog::states() const
{
    std::vector<bool> result;
    for (const SeenEvent& e : events)
        result.push_back(e.state);
    return result;
}

std::vector<std::u16string> EventLog::texts() const
{
    std::vector<std::u16string> result;
    for (const SeenEvent& e : events)
        result.push_back(e.text);
    return result;
}

std::vector<VXEventType> EventLog::types() const
{
    std::vector<VXEventType> result;
    for (const SeenEvent& e : events)
        result.push_back(e.type);
    return result;
}

std::size_t EventLog::count(VXEventType type) const
{
    return ofType(type).size();
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

bool EventLog::waitForCount(std::size_t n)
{
    return pumpUntil([&] { return events.size() >= n; });
}

} // namespace vxtest
