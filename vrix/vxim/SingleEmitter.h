#pragma once

#include "vrix/vxim/TypedEmitter.h"

namespace VXIM {

template <class Signature, int Drop = KeepAll> class SingleEmitter;

/// Fires a value-returning slot; by default the emitting thread waits for the value.
/// With no connection, or when the slot's thread has ended, the result is R().
template <class R, class... Args, int Drop>
class SingleEmitter<R(Args...), Drop> : public TypedEmitter<R(Args...)> {
public:
    explicit SingleEmitter(SendMode defaultMode = BlockingSend)
        : TypedEmitter<R(Args...)>(defaultMode, static_cast<PacketDropMode>(Drop))
    {
    }

    R operator()(Args... args) { return send(DefaultSend, std::forward<Args>(args)...); }

    /// A queued send returns R() at once: only direct and blocking sends carry a value back.
    R send(SendMode mode, Args... args)
    {
        const auto targets = this->connections();
        if (!targets)
            return R();
        auto rendezvous = std::make_shared<ValueRendezvous<R>>();
        this->sendPacket(*targets, this->pack(std::forward<Args>(args)...), mode, rendezvous);
        return rendezvous->take();
    }
};

} // namespace VXIM
