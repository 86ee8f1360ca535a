#include "vrix/vxim/Listener.h"

#include "vrix/ReadWriteLock.h"
#include "vrix/vxim/Connection.h"
#include "vrix/vxim/EmitterBase.h"

namespace VXIM {

Listener::~Listener()
{
    disconnect();
}

void Listener::disconnect()
{
    std::vector<std::shared_ptr<ConnectionBase>> mine;
    {
        VRIX::AutoWriteLock lock(GetGlobalConnectionLock());
        mine.swap(m_connections);
        for (auto& c : mine) {
            if (c->m_emitter)
                c->m_emitter->forget(c.get());
            c->m_emitter = nullptr;
        }
    }
    // Outside the lock: cutting may wait for a slot that itself emits.
    for (auto& c : mine)
        c->cut();
}

std::size_t Listener::connectionCount() const
{
    VRIX::AutoReadLock lock(GetGlobalConnectionLock());
    return m_connections.size();
}

} // namespace VXIM
