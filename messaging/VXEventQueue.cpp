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
    VXEvent* head = m_incoming.load(std::memory_order_relaxed);
    do {
        event->m_queueNext = head;
    } while (!m_incoming.compare_exchange_weak(
        head, event, std::memory_order_release, std::memory_order_relaxed));
}

VXEvent* VXEventQueue::dequeue()
{
    if (!m_taken) {
        // Only whole lists are taken, never single events: no event is reused while another
        // thread may still read its link.
        VXEvent* newest = m_incoming.exchange(nullptr, std::memory_order_acquire);
        VXEvent* oldest = nullptr;
        while (newest) {
            VXEvent* next = newest->m_queueNext;
            newest->m_queueNext = oldest;
            oldest = newest;
            newest = next;
        }
        m_taken = oldest;
    }
    VXEvent* event = m_taken;
    if (event) {
        m_taken = event->m_queueNext;
        event->m_queueNext = nullptr;
    }
    return event;
}
