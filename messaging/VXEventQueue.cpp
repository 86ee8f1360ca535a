#include "messaging/VXEventQueue.h"

#include "engine/VXEvent.h"

VXEventQueue::~VXEventQueue()
{
    while (VXEvent* event = dequeue())
        delete event;
}

void VXEventQueue::enqueue(VXEvent* event)
{
    if (!event)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_incoming.push_back(event);
}

VXEvent* VXEventQueue::dequeue()
{
    if (m_next == m_taken.size()) {
        // The emptied list's storage becomes the next incoming list: no allocation per burst.
        m_taken.clear();
        m_next = 0;
        std::lock_guard<std::mutex> lock(m_mutex);
        m_taken.swap(m_incoming);
    }
    return m_next < m_taken.size() ? m_taken[m_next++] : nullptr;
}
