#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>

namespace VXIM {

/// Where a blocking emitter waits for its queued packets. Shared (not on the waiter's stack),
/// so the delivering thread may finish with it after the waiter has woken.
class Rendezvous {
public:
    Rendezvous() = default;
    Rendezvous(const Rendezvous&) = delete;
    Rendezvous& operator=(const Rendezvous&) = delete;
    virtual ~Rendezvous() = default;

    void expect();
    /// Called once per expected packet: delivered, dropped or discarded.
    void complete();
    void wait();

protected:
    std::mutex m_mutex;

private:
    std::condition_variable m_condition;
    std::atomic<int> m_outstanding { 0 }; // changed under m_mutex, read by a yielding waiter
};

/// A rendezvous that also carries the slot's return value (the last one written wins).
template <class R> class ValueRendezvous final : public Rendezvous {
public:
    void store(R value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_value = std::move(value);
    }
    /// Read after wait(): the mutex orders the write before it.
    R take()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_value ? std::move(*m_value) : R();
    }

private:
    std::optional<R> m_value;
};

} // namespace VXIM
