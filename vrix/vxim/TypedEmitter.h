#pragma once

#include "vrix/vxim/BlockPool.h"
#include "vrix/vxim/Connection.h"
#include "vrix/vxim/EmitterBase.h"
#include "vrix/vxim/Listener.h"

#include <functional>
#include <memory>

namespace VXIM {

template <class Signature> class TypedEmitter;

/// Common part of Emitter and SingleEmitter for slots of signature R(Args...).
template <class R, class... Args> class TypedEmitter<R(Args...)> : public EmitterBase {
public:
    using Slot = std::function<R(Args...)>;

    TypedEmitter(SendMode defaultMode, PacketDropMode dropMode)
        : EmitterBase(defaultMode, dropMode)
    {
    }

    /// Links `slot`, owned by `listener`, to run on `thread` (the calling thread when null).
    void connectSlot(Listener* listener, Slot slot, Thread thread = Thread())
    {
        if (!listener || !slot)
            return;
        if (!thread.isValid())
            thread = Thread::getCurrentThread();
        addConnection(listener,
            std::make_shared<Connection<R, Args...>>(
                listener, this, std::move(thread), dropMode(), std::move(slot)));
    }

protected:
    std::shared_ptr<Payload> pack(Args... args)
    {
        return std::allocate_shared<ArgsPayload<Args...>>(
            PoolAllocator<ArgsPayload<Args...>>(), std::forward<Args>(args)...);
    }
};

} // namespace VXIM
