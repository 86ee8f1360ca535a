#include "vrix/Mutex.h"

namespace VRIX {

void Mutex::lock()
{
    if (m_recursive)
        m_nested.lock();
    else
        m_plain.lock();
}

void Mutex::unlock()
{
    if (m_recursive)
        m_nested.unlock();
    else
        m_plain.unlock();
}

bool Mutex::tryLock()
{
    return m_recursive ? m_nested.try_lock() : m_plain.try_lock();
}

} // namespace VRIX
