#pragma once

#include <memory>

namespace VXIM {

class ConnectionBase;
class Payload;
class Rendezvous;

/// One queued delivery: a connection and the arguments for it. The packet's end, whether
/// delivered, superseded or discarded, releases a blocking emitter waiting for it.
class Packet {
public:
    Packet(std::shared_ptr<ConnectionBase> connection, std::shared_ptr<Payload> payload,
        std::shared_ptr<Rendezvous> rendezvous);
    ~Packet();
    Packet(const Packet&) = delete;
    Packet& operator=(const Packet&) = delete;

    std::shared_ptr<ConnectionBase> m_connection;
    std::shared_ptr<Payload> m_payload;
    std::shared_ptr<Rendezvous> m_rendezvous;
};

} // namespace VXIM
