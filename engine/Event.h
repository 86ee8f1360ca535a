#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace VRIX_MI {

/// A waitable flag. A manual-reset event stays signalled and releases every waiter until
/// reset(); an auto-reset event releases one waiter and clears itself. Any thread.
class Event {
public:
    explicit Event(bool manualReset = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void signal();
    void reset();
    /// Returns once signalled (clearing the flag for an auto-reset event).
    void wait();
    /// As wait(); false when `timeout` passed first.
    bool waitFor(std::chrono::milliseconds timeout);
    bool isSignalled() const;

private:
    const bool m_manualReset;
    mutable std::mutex m_mutex;
    std::condition_variable m_condition;
    bool m_signalled = false;
};

} // namespace VRIX_MI
