#include "engine/Event.h"

namespace VRIX_MI {

Event::Event(bool manualReset)
    : m_manualReset(manualReset)
{
}

void Event::signal()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_signalled = true;
    // Notified under the lock: a waiter that owns this event on its stack may destroy it as
    // soon as it can return, which it cannot before the lock is released.
    if (m_manualReset)
        m_condition.notify_all();
    else
        m_condition.notify_one();
}

void Event::reset()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_signalled = false;
}

void Event::wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_condition.wait(lock, [this] { return m_signalled; });
    if (!m_manualReset)
        m_signalled = false;
}

bool Event::waitFor(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_condition.wait_for(lock, timeout, [this] { return m_signalled; }))
        return false;
    if (!m_manualReset)
        m_signalled = false;
    return true;
}

bool Event::isSignalled() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_signalled;
}

} // namespace VRIX_MI
