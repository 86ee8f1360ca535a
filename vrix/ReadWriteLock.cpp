#include "vrix/ReadWriteLock.h"

namespace VRIX {

void ReadWriteLock::readLock()
{
    m_mutex.lock_shared();
}

void ReadWriteLock::writeLock()
{
    m_mutex.lock();
    m_writer.store(std::this_thread::get_id(), std::memory_order_relaxed);
}

void ReadWriteLock::unlock()
{
    // Only the writer can see its own id here: readers never store one.
    if (m_writer.load(std::memory_order_relaxed) == std::this_thread::get_id()) {
        m_writer.store(std::thread::id(), std::memory_order_relaxed);
        m_mutex.unlock();
    } else {
        m_mutex.unlock_shared();
    }
}

} // namespace VRIX
