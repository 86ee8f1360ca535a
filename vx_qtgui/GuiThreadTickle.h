#pragma once

#include "vrix/AtomicCounter.h"

// Wake-up of the GUI thread: at most one Qt event of type 1461 is outstanding at a time.

/// 1 from the first packet queued for the GUI thread until the GUI thread serves the wake-up.
VRIX::AtomicCounter& getTickleGuiCounterVXIM();

/// Called by the messaging core, on the queuing thread, after it queues a packet for "Qt":
/// posts the wake-up event to the application unless one is already pending.
void tickleGuiThreadVXIM();
