#pragma once

#include "vrix/vxim/TypedEmitter.h"

namespace VXIM {

template <class Signature, int Drop = KeepAll> class Emitter;

/// Fires void slots. Default send mode: queued.
template <class... Args, int Drop>
class Emitter<void(Args...), Drop> : public TypedEmitter<void(Args...)> {
public:
    explicit Emitter(SendMode defaultMode = QueuedSend)
        : TypedEmitter<void(Args...)>(defaultMode, static_cast<PacketDropMode>(Drop))
    {
    }

    void operator()(Args... args) { send(DefaultSend, std::forward<Args>(args)...); }

    void send(SendMode mode, Args... args)
    {
        const auto targets = this->connections();
        if (!targets)
            return;
        if (mode == DefaultSend)
            mode = this->defaultMode();
        auto rendezvous = mode == BlockingSend ? std::make_shared<Rendezvous>() : nullptr;
        this->sendPacket(*targets, this->pack(std::forward<Args>(args)...), mode, rendezvous);
    }
};

template <int Drop = KeepAll> using Emitter0 = Emitter<void(), Drop>;
template <class A, int Drop = KeepAll> using Emitter1 = Emitter<void(A), Drop>;
template <class A, class B, int Drop = KeepAll> using Emitter2 = Emitter<void(A, B), Drop>;

} // namespace VXIM
