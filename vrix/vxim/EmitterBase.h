#pragma once

#include "vrix/ReadWriteLock.h"
#include "vrix/vxim/SendMode.h"
#include "vrix/vxim/Thread.h"

#include <memory>
#include <vector>

namespace VXIM {

class ConnectionBase;
class Listener;
class Payload;
class Rendezvous;

/// The lock every connect and disconnect takes for writing and every emission for reading.
VRIX::ReadWriteLock& GetGlobalConnectionLock();

/// Untyped part of every emitter: its modes and its connections.
class EmitterBase {
public:
    /// Never changed once published: an emission reads it under one short read lock and then
    /// works on it unlocked while connects and disconnects publish new lists.
    using ConnectionList = std::vector<std::shared_ptr<ConnectionBase>>;

    EmitterBase(SendMode defaultMode, PacketDropMode dropMode);
    EmitterBase(const EmitterBase&) = delete;
    EmitterBase& operator=(const EmitterBase&) = delete;
    /// Later emissions reach nobody; packets already queued are still delivered unless their
    /// listener disconnects first.
    virtual ~EmitterBase();

    SendMode defaultMode() const { return m_defaultMode; }
    PacketDropMode dropMode() const { return m_dropMode; }
    std::size_t connectionCount() const;
    /// The connections now (null when there are none).
    std::shared_ptr<const ConnectionList> connections() const;

    /// Queues (or, for direct sends and blocking sends to the calling thread, runs) one
    /// delivery of `payload` per connection. With a rendezvous and blocking mode, waits.
    void sendPacket(const std::shared_ptr<Payload>& payload, SendMode mode,
        const std::shared_ptr<Rendezvous>& rendezvous);
    void sendPacket(const ConnectionList& targets, std::shared_ptr<Payload> payload, SendMode mode,
        const std::shared_ptr<Rendezvous>& rendezvous);

protected:
    void addConnection(Listener* listener, const std::shared_ptr<ConnectionBase>& connection);

private:
    friend class Listener;
    void forget(const ConnectionBase* connection); // under the global write lock

    const SendMode m_defaultMode;
    const PacketDropMode m_dropMode;
    std::shared_ptr<const ConnectionList> m_connections; // guarded by the global lock
};

} // namespace VXIM
