#pragma once

#include "engine/VXGuiQueueThrottle.h"
#include "vrix/vxim/Emitter.h"

#include <utility>

/// An emitter that keeps every packet (drop mode 1) and, before queuing one, waits for room in
/// the GUI thread's queue (VXGuiQueueThrottle). For the progress widgets, which hosts update
/// from tight loops. Fired on the engine thread.
template <class... Args>
class VXThrottledEmitter : public VXIM::Emitter<void(Args...), VXIM::KeepAll> {
    using Base = VXIM::Emitter<void(Args...), VXIM::KeepAll>;

public:
    VXThrottledEmitter()
        : Base(VXIM::QueuedSend)
    {
    }

    void operator()(Args... args) { send(VXIM::DefaultSend, std::forward<Args>(args)...); }

    void send(VXIM::SendMode mode, Args... args)
    {
        if (this->connectionCount() == 0)
            return;
        const VXIM::SendMode effective = mode == VXIM::DefaultSend ? this->defaultMode() : mode;
        // A direct call or a wait for the slot needs no queue room.
        if (effective == VXIM::QueuedSend)
            VXGuiQueueThrottle::waitForRoom();
        Base::send(mode, std::forward<Args>(args)...);
    }
};
