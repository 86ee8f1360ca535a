#pragma once

#include <atomic>

namespace VRIX {

/// Thread-safe counter used for reference counts and once-outstanding flags.
class AtomicCounter {
public:
    explicit AtomicCounter(int value = 0) noexcept
        : m_value(value)
    {
    }
    AtomicCounter(const AtomicCounter&) = delete;
    AtomicCounter& operator=(const AtomicCounter&) = delete;

    /// Both return the new value.
    int operator++() noexcept { return m_value.fetch_add(1, std::memory_order_acq_rel) + 1; }
    int operator--() noexcept { return m_value.fetch_sub(1, std::memory_order_acq_rel) - 1; }

    /// Swaps in `desired` only when the counter holds `expected`; returns whether it did.
    /// A counter that already differs is only read: callers that fail most of the time (a
    /// wake-up already pending, per queued packet) leave the line shared with its writer.
    bool testAndSet(int expected, int desired) noexcept
    {
        if (m_value.load(std::memory_order_acquire) != expected)
            return false;
        return m_value.compare_exchange_strong(expected, desired, std::memory_order_acq_rel);
    }

    void init(int value) noexcept { m_value.store(value, std::memory_order_release); }
    int value() const noexcept { return m_value.load(std::memory_order_acquire); }

private:
    std::atomic<int> m_value;
};

} // namespace VRIX
