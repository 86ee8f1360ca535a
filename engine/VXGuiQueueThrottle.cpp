#include "engine/VXGuiQueueThrottle.h"

#include "vrix/vxim/Thread.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {
std::atomic<std::size_t> s_stalls { 0 };
}

void VXGuiQueueThrottle::waitForRoom()
{
    // Looked up each time: the GUI thread registers itself late and ends at quit.
    const VXIM::Thread gui = VXIM::Thread::getNamedThread("Qt");
    if (!gui.isValid() || gui.isCurrent())
        return;
    std::size_t pending = gui.pendingPackets();
    if (pending < kHighWater)
        return;
    using Clock = std::chrono::steady_clock;
    const auto stall = std::chrono::milliseconds(kStallMilliseconds);
    auto lastProgress = Clock::now();
    std::size_t lowest = pending;
    while (pending > kLowWater) {
        if (gui.isClosed())
            return;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
        pending = gui.pendingPackets();
        const auto now = Clock::now();
        if (pending < lowest) {
            lowest = pending;
            lastProgress = now;
        } else if (now - lastProgress > stall) {
            s_stalls.fetch_add(1, std::memory_order_relaxed);
            return;
        }
    }
}

std::size_t VXGuiQueueThrottle::stalls()
{
    return s_stalls.load(std::memory_order_relaxed);
}
