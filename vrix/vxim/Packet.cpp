#include "vrix/vxim/Packet.h"

#include "vrix/vxim/Connection.h"
#include "vrix/vxim/Payload.h"
#include "vrix/vxim/Rendezvous.h"

namespace VXIM {

Packet::Packet(std::shared_ptr<ConnectionBase> connection, std::shared_ptr<Payload> payload,
    std::shared_ptr<Rendezvous> rendezvous)
    : m_connection(std::move(connection))
    , m_payload(std::move(payload))
    , m_rendezvous(std::move(rendezvous))
{
    if (m_rendezvous)
        m_rendezvous->expect();
}

Packet& Packet::operator=(Packet&& other) noexcept
{
    if (this != &other) {
        release();
        m_connection = std::move(other.m_connection);
        m_payload = std::move(other.m_payload);
        m_rendezvous = std::move(other.m_rendezvous);
    }
    return *this;
}

Packet::~Packet()
{
    release();
}

void Packet::release()
{
    // Arguments go first, so a waiter that wakes sees them released.
    m_payload.reset();
    if (m_rendezvous) {
        m_rendezvous->complete();
        m_rendezvous.reset();
    }
    m_connection.reset();
}

} // namespace VXIM
