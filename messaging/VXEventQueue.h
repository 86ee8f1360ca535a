#pragma once

#include <cstddef>
#include <mutex>
#include <vector>

class VXEvent;

/// The bridge's queue of user events, oldest first; owns the events it holds. The GUI thread
/// (or any thread) appends; the engine thread alone takes. The taker empties the shared list
/// in one locked swap and then hands events out from its own, so the two threads meet on the
/// lock once per burst rather than once per event.
class VXEventQueue {
public:
    VXEventQueue() = default;
    VXEventQueue(const VXEventQueue&) = delete;
    VXEventQueue& operator=(const VXEventQueue&) = delete;
    /// Deletes the events still queued.
    ~VXEventQueue();

    /// Takes ownership; null is ignored.
    void enqueue(VXEvent* event);
    /// The oldest event, now the caller's, or null when none is queued. Engine thread.
    VXEvent* dequeue();

private:
    std::mutex m_mutex;
    std::vector<VXEvent*> m_incoming; // guarded by m_mutex
    // Taker's side: events already moved out of m_incoming, handed out from m_next on.
    std::vector<VXEvent*> m_taken;
    std::size_t m_next = 0;
};
