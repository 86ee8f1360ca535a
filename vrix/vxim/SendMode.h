#pragma once

namespace VXIM {

/// How an emission reaches its slots.
enum SendMode {
    DefaultSend = 0, ///< the emitter's own default
    DirectSend = 1, ///< call every slot now, on the emitting thread
    QueuedSend = 2, ///< queue for each slot's thread and return at once
    BlockingSend
    = 3, ///< queue, then wait until every slot has run (value emitters return its result)
};

/// What happens to a packet that is still queued when the same emitter fires again.
enum PacketDropMode {
    /// At most one packet per connection waits; a newer queued emission replaces the waiting
    /// packet's arguments in place (latest value wins, position kept). For high-rate state updates.
    DropSuperseded = 0,
    /// Every packet is delivered, in emission order.
    KeepAll = 1,
};

} // namespace VXIM
