#include "vrix/vxim/EmitterBase.h"

#include "vrix/vxim/Connection.h"
#include "vrix/vxim/Listener.h"
#include "vrix/vxim/Packet.h"
#include "vrix/vxim/Rendezvous.h"

#include <algorithm>

namespace VXIM {

VRIX::ReadWriteLock& GetGlobalConnectionLock()
{
    static VRIX::ReadWriteLock lock;
    return lock;
}

EmitterBase::EmitterBase(SendMode defaultMode, PacketDropMode dropMode)
    : m_defaultMode(defaultMode == DefaultSend ? QueuedSend : defaultMode)
    , m_dropMode(dropMode)
{
}

EmitterBase::~EmitterBase()
{
    VRIX::AutoWriteLock lock(GetGlobalConnectionLock());
    for (auto& c : m_connections) {
        c->m_emitter = nullptr;
        auto& theirs = c->m_listener->m_connections;
        theirs.erase(std::remove(theirs.begin(), theirs.end(), c), theirs.end());
    }
    m_connections.clear();
}

std::size_t EmitterBase::connectionCount() const
{
    VRIX::AutoReadLock lock(GetGlobalConnectionLock());
    return m_connections.size();
}

void EmitterBase::addConnection(
    Listener* listener, const std::shared_ptr<ConnectionBase>& connection)
{
    VRIX::AutoWriteLock lock(GetGlobalConnectionLock());
    m_connections.push_back(connection);
    listener->m_connections.push_back(connection);
}

void EmitterBase::forget(const ConnectionBase* connection)
{
    m_connections.erase(std::remove_if(m_connections.begin(), m_connections.end(),
                            [connection](const auto& c) { return c.get() == connection; }),
        m_connections.end());
}

void EmitterBase::sendPacket(const std::shared_ptr<Payload>& payload, SendMode mode,
    const std::shared_ptr<Rendezvous>& rendezvous)
{
    if (mode == DefaultSend)
        mode = m_defaultMode;
    std::vector<std::shared_ptr<ConnectionBase>> targets;
    {
        VRIX::AutoReadLock lock(GetGlobalConnectionLock());
        targets = m_connections;
    }
    bool wait = false;
    for (auto& c : targets) {
        if (mode == DirectSend || (mode == BlockingSend && c->m_thread.isCurrent())) {
            c->deliver(*payload, rendezvous.get());
            continue;
        }
        const bool blocking = mode == BlockingSend;
        auto packet = std::make_shared<Packet>(c, payload, blocking ? rendezvous : nullptr);
        const bool supersede = !blocking && c->m_dropMode == DropSuperseded;
        if (c->m_thread.enqueue(packet, supersede))
            wait = wait || blocking;
    }
    if (wait && rendezvous)
        rendezvous->wait();
}

} // namespace VXIM
