#pragma once

#include <atomic>
#include <shared_mutex>
#include <thread>

namespace VRIX {

/// Many readers or one writer. `unlock` releases whichever side the calling thread holds.
class ReadWriteLock {
public:
    ReadWriteLock() = default;
    ReadWriteLock(const ReadWriteLock&) = delete;
    ReadWriteLock& operator=(const ReadWriteLock&) = delete;

    void readLock();
    void writeLock();
    void unlock();

private:
    std::shared_mutex m_mutex;
    std::atomic<std::thread::id> m_writer {};
};

/// Scoped read side.
class AutoReadLock {
public:
    explicit AutoReadLock(ReadWriteLock& lock)
        : m_lock(lock)
    {
        m_lock.readLock();
    }
    ~AutoReadLock() { m_lock.unlock(); }
    AutoReadLock(const AutoReadLock&) = delete;
    AutoReadLock& operator=(const AutoReadLock&) = delete;

private:
    ReadWriteLock& m_lock;
};

/// Scoped write side.
class AutoWriteLock {
public:
    explicit AutoWriteLock(ReadWriteLock& lock)
        : m_lock(lock)
    {
        m_lock.writeLock();
    }
    ~AutoWriteLock() { m_lock.unlock(); }
    AutoWriteLock(const AutoWriteLock&) = delete;
    AutoWriteLock& operator=(const AutoWriteLock&) = delete;

private:
    ReadWriteLock& m_lock;
};

} // namespace VRIX
