#pragma once

#include "vrix/vxim/Payload.h"
#include "vrix/vxim/Rendezvous.h"
#include "vrix/vxim/SendMode.h"
#include "vrix/vxim/Thread.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <tuple>
#include <type_traits>

namespace VXIM {

class EmitterBase;
class Listener;
class Packet;

/// One emitter-to-slot link: the listener that owns the slot, the emitter, and the thread the
/// slot runs on. Owned by the core. The emitter's end only stops new emissions; the listener's
/// disconnect (or end) cuts it, packets already queued included, whichever end comes first.
class ConnectionBase {
public:
    ConnectionBase(
        Listener* listener, EmitterBase* emitter, Thread thread, PacketDropMode dropMode);
    ConnectionBase(const ConnectionBase&) = delete;
    ConnectionBase& operator=(const ConnectionBase&) = delete;
    virtual ~ConnectionBase() = default;

    bool isConnected() const { return m_connected.load(); }
    /// Stops every later delivery; cheap, so it can be done under the global lock.
    void stop() { m_connected.store(false); }
    /// Stops every later delivery, discards queued packets and waits for a delivery running on
    /// another thread to return.
    void cut();

    /// Runs the slot now on the calling thread unless the connection is cut.
    void deliver(Payload& payload, Rendezvous* rendezvous);

    Listener* const m_listener;
    EmitterBase* m_emitter; // guarded by the global connection lock; null once the emitter is gone
    const Thread m_thread;
    const PacketDropMode m_dropMode;
    // Drop mode 0: where this connection's waiting packet sits in its thread's queue, valid
    // while the generation matches the queue's. Guarded by the thread's queue lock.
    std::uint64_t m_pendingGeneration = ~std::uint64_t(0);
    std::size_t m_pendingIndex = 0;

protected:
    virtual void invoke(Payload& payload, Rendezvous* rendezvous) = 0;

private:
    std::atomic<bool> m_connected { true };
    std::atomic<int> m_inFlight { 0 };
};

/// A connection to a slot of signature R(Args...).
template <class R, class... Args> class Connection final : public ConnectionBase {
public:
    using Slot = std::function<R(Args...)>;

    Connection(
        Listener* listener, EmitterBase* emitter, Thread thread, PacketDropMode dropMode, Slot slot)
        : ConnectionBase(listener, emitter, std::move(thread), dropMode)
        , m_slot(std::move(slot))
    {
    }

protected:
    void invoke(Payload& payload, Rendezvous* rendezvous) override
    {
        auto& args = static_cast<ArgsPayload<Args...>&>(payload).m_args;
        if constexpr (std::is_void_v<R>) {
            std::apply(m_slot, args);
        } else {
            R result = std::apply(m_slot, args);
            if (rendezvous)
                static_cast<ValueRendezvous<R>*>(rendezvous)->store(std::move(result));
        }
    }

private:
    Slot m_slot;
};

} // namespace VXIM
