#pragma once

#include <memory>

namespace VXIM {

class ConnectionBase;
class Payload;
class Rendezvous;

/// One queued delivery: a connection and the arguments for it. Queues hold packets by value,
/// so queuing allocates nothing beyond the emission's payload. The packet's end, whether
/// delivered, superseded or discarded, releases a blocking emitter waiting for it.
class Packet {
public:
    Packet() = default;
    Packet(std::shared_ptr<ConnectionBase> connection, std::shared_ptr<Payload> payload,
        std::shared_ptr<Rendezvous> rendezvous);
    Packet(Packet&& other) noexcept = default;
    Packet& operator=(Packet&& other) noexcept;
    Packet(const Packet&) = delete;
    Packet& operator=(const Packet&) = delete;
    ~Packet();

    std::shared_ptr<ConnectionBase> m_connection;
    std::shared_ptr<Payload> m_payload;
    std::shared_ptr<Rendezvous> m_rendezvous;

private:
    void release();
};

} // namespace VXIM
