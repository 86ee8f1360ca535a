#include "vrix/vxim/Rendezvous.h"

#include <chrono>
#include <thread>

namespace VXIM {

namespace {
// Most answers come back within a few tens of microseconds; yielding that long first saves
// the waiter a sleep and a wake-up. Yielding leaves the core to any other runnable thread.
constexpr auto kYieldBeforeSleeping = std::chrono::microseconds(50);
} // namespace

void Rendezvous::expect()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_outstanding.fetch_add(1);
}

void Rendezvous::complete()
{
    bool last;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        last = m_outstanding.fetch_sub(1) == 1;
    }
    // Outside the lock, so the woken waiter does not block on it at once. The packet being
    // completed still holds this rendezvous.
    if (last)
        m_condition.notify_all();
}

void Rendezvous::wait()
{
    const auto until = std::chrono::steady_clock::now() + kYieldBeforeSleeping;
    while (m_outstanding.load() > 0) {
        if (std::chrono::steady_clock::now() >= until) {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_condition.wait(lock, [this] { return m_outstanding.load() <= 0; });
            return;
        }
        std::this_thread::yield();
    }
}

} // namespace VXIM
