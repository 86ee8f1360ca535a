#include "vrix/vxim/Rendezvous.h"

namespace VXIM {

void Rendezvous::expect()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_outstanding;
}

void Rendezvous::complete()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (--m_outstanding == 0)
        m_condition.notify_all();
}

void Rendezvous::wait()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_condition.wait(lock, [this] { return m_outstanding <= 0; });
}

} // namespace VXIM
