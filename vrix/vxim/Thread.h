#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace VXIM {

class Packet;
class ConnectionBase;
struct ThreadData;

/// Copyable handle on a thread known to the messaging core: its name, its wake-up ("tickle")
/// function and the queue of packets waiting to run on it. Any thread may queue; only the
/// thread itself runs its queue, in `processCurrentQueue`.
class Thread {
public:
    using Tickle = void (*)();

    Thread() = default;

    /// Names the calling thread and sets the function the core calls, on the queuing thread,
    /// after each packet it queues for this thread. Re-registering a name moves it here.
    static Thread registerThread(const std::string& name, Tickle tickle);
    /// Null handle when no live thread has that name.
    static Thread getNamedThread(const std::string& name);
    /// The calling thread; known to the core from its first use, named or not.
    static Thread getCurrentThread();

    /// Runs, on the calling thread, the packets that were queued for it when the call began
    /// (newer ones wait for the next call). Does nothing unless this is the calling thread.
    /// An exception thrown by a slot leaves this call; packets not yet run stay queued and go
    /// first at the next call. A nested call runs what the outer one has not run yet first.
    void processCurrentQueue() const;
    /// True while a `processCurrentQueue` run is under way on this thread.
    bool processingMessages() const;

    /// Ends the thread's queue: waiting packets are discarded (releasing any blocked emitter)
    /// and later packets are dropped. Runs by itself when the thread exits.
    void close() const;
    bool isClosed() const;

    bool isValid() const { return static_cast<bool>(d); }
    bool isCurrent() const;
    std::string name() const;
    std::size_t pendingPackets() const;

    friend bool operator==(const Thread& a, const Thread& b) { return a.d == b.d; }
    friend bool operator!=(const Thread& a, const Thread& b) { return a.d != b.d; }

    /// Core internal: queues one packet, tickles the thread; false when the thread is closed or
    /// the connection is already cut. Drop mode 0 packets may supersede a waiting one.
    bool enqueue(Packet&& packet, bool supersede) const;
    /// Core internal: removes every waiting packet of a cut connection.
    void purge(const ConnectionBase* connection) const;

private:
    explicit Thread(std::shared_ptr<ThreadData> data)
        : d(std::move(data))
    {
    }
    std::shared_ptr<ThreadData> d;
};

} // namespace VXIM
