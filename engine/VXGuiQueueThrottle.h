#pragma once

#include "vxqtgui_export.h"

#include <cstddef>

/// Flow control for emitters that the host fires at a high rate towards the GUI thread: the
/// emitting thread waits while the GUI thread's packet queue is long, so a tight loop of
/// updates cannot grow that queue without bound. Called on the engine thread.
class VXQTGUI_EXPORT VXGuiQueueThrottle {
public:
    VXGuiQueueThrottle() = delete;

    /// A queue this long makes the next emission wait ...
    static constexpr std::size_t kHighWater = 1024;
    /// ... until the GUI thread has brought it down to this.
    static constexpr std::size_t kLowWater = 256;
    /// A GUI thread that takes nothing off its queue for this long is busy elsewhere (a nested
    /// loop); the emission then goes ahead rather than freeze the engine.
    static constexpr int kStallMilliseconds = 250;

    /// Returns at once on the GUI thread itself, without a running GUI thread, or while the
    /// queue is shorter than kHighWater; otherwise waits as described above.
    static void waitForRoom();

    /// How many emissions went ahead after a stall (diagnostics and tests).
    static std::size_t stalls();
};
