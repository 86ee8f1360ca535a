#include "tests/bridge/RecordingListener.h"

namespace vxtest {

RecordingListener::RecordingListener(std::function<void(const VXEvent*)> action)
    : m_action(std::move(action))
{
}

void RecordingListener::handleEvent(const VXEvent* event)
{
    values.push_back(event->getValue());
    if (m_action)
        m_action(event);
}

CountedEvent::CountedEvent(
    VXEventType type, VXWidget* widget, int value, std::atomic<int>* deletions)
    : VXEvent(type, widget)
    , m_deletions(deletions)
{
    setValue(value);
}

CountedEvent::~CountedEvent()
{
    ++*m_deletions;
}

} // namespace vxtest
