#pragma once

#include <atomic>

class VXEvent;

/// The bridge's queue of user events, oldest first; owns the events it holds. The GUI thread
/// (or any thread) appends; the engine thread alone takes. Appending pushes onto a lock-free
/// list; the taker takes the whole list in one exchange, puts it in arrival order and hands
/// events out from there, so the two threads never wait for each other, even while the engine
/// thread drains a burst the GUI thread is still raising.
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
    // Newest first, linked through the events.
    std::atomic<VXEvent*> m_incoming { nullptr };
    // Taker's side: events already taken from m_incoming, oldest first.
    VXEvent* m_taken = nullptr;
};
