#pragma once

#include <mutex>

namespace VRIX {

/// A mutex whose recursion is chosen at construction. Meets BasicLockable, so
/// `std::lock_guard<VRIX::Mutex>` is its scope guard.
class Mutex {
public:
    enum Mode { NonRecursive, Recursive };

    explicit Mutex(Mode mode = NonRecursive) noexcept
        : m_recursive(mode == Recursive)
    {
    }
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;

    void lock();
    void unlock();
    bool tryLock();
    // Lowercase spelling for std::unique_lock and friends.
    bool try_lock() { return tryLock(); }

    bool isRecursive() const noexcept { return m_recursive; }

private:
    const bool m_recursive;
    // Only the one matching the mode is used; a plain mutex is much cheaper when recursion
    // is not needed.
    std::mutex m_plain;
    std::recursive_mutex m_nested;
};

} // namespace VRIX
