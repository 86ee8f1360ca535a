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
    std::shared_ptr<const ConnectionList> mine;
    {
        VRIX::AutoWriteLock lock(GetGlobalConnectionLock());
        mine.swap(m_connections);
        // The listener keeps its side: its disconnect must still reach packets already queued.
        if (mine) {
            for (const auto& c : *mine)
                c->m_emitter = nullptr;
        }
    }
}

std::size_t EmitterBase::connectionCount() const
{
    VRIX::AutoReadLock lock(GetGlobalConnectionLock());
    return m_connections ? m_connections->size() : 0;
}

std::shared_ptr<const EmitterBase::ConnectionList> EmitterBase::connections() const
{
    VRIX::AutoReadLock lock(GetGlobalConnectionLock());
    return m_connections;
}

void EmitterBase::addConnection(
    Listener* listener, const std::shared_ptr<ConnectionBase>& connection)
{
    VRIX::AutoWriteLock lock(GetGlobalConnectionLock());
    auto list = m_connections ? std::make_shared<ConnectionList>(*m_connections)
                              : std::make_shared<ConnectionList>();
    list->push_back(connection);
    m_connections = std::move(list);
    listener->adopt(connection);
}

void EmitterBase::forget(const ConnectionBase* connection)
{
    if (!m_connections)
        return;
    auto list = std::make_shared<ConnectionList>();
    list->reserve(m_connections->size());
    for (const auto& c : *m_connections) {
        if (c.get() != connection)
            list->push_back(c);
    }
    if (list->empty())
        m_connections.reset();
    else
        m_connections = std::move(list);
}

void EmitterBase::sendPacket(const std::shared_ptr<Payload>& payload, SendMode mode,
    const std::shared_ptr<Rendezvous>& rendezvous)
{
    if (auto targets = connections())
        sendPacket(*targets, payload, mode, rendezvous);
}

void EmitterBase::sendPacket(const ConnectionList& targets, std::shared_ptr<Payload> payload,
    SendMode mode, const std::shared_ptr<Rendezvous>& rendezvous)
{
    if (mode == DefaultSend)
        mode = m_defaultMode;
    bool wait = false;
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const auto& c = targets[i];
        if (mode == DirectSend || (mode == BlockingSend && c->m_thread.isCurrent())) {
            c->deliver(*payload, rendezvous.get());
            continue;
        }
        const bool blocking = mode == BlockingSend;
        const bool supersede = !blocking && c->m_dropMode == DropSuperseded;
        // The last packet takes the emission's own reference: one atomic pair less per post.
        Packet packet(c, i + 1 == targets.size() ? std::move(payload) : payload,
            blocking ? rendezvous : nullptr);
        if (c->m_thread.enqueue(std::move(packet), supersede))
            wait = wait || blocking;
    }
    if (wait && rendezvous)
        rendezvous->wait();
}

} // namespace VXIM
