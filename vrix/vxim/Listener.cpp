#include "vrix/vxim/Listener.h"

#include "vrix/ReadWriteLock.h"
#include "vrix/vxim/Connection.h"
#include "vrix/vxim/EmitterBase.h"

#include <algorithm>

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
            // Stopped before the emitter lets go of it: whoever sees the emitter without this
            // connection also sees that it delivers nothing more.
            c->stop();
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
    return static_cast<std::size_t>(std::count_if(m_connections.begin(), m_connections.end(),
        [](const auto& c) { return c->m_emitter != nullptr; }));
}

void Listener::adopt(const std::shared_ptr<ConnectionBase>& connection)
{
    // An orphan held by nothing else has no packet left anywhere, and its emitter cannot queue
    // more: it is done. (Packets hold their connection, so no second count is kept for them.)
    m_connections.erase(std::remove_if(m_connections.begin(), m_connections.end(),
                            [](const auto& c) { return !c->m_emitter && c.use_count() == 1; }),
        m_connections.end());
    m_connections.push_back(connection);
}

} // namespace VXIM
