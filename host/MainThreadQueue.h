#pragma once

#include "vxhost_export.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace VXHost {

/// Run-on-main-thread requests: any thread posts, the process's main thread serves them one by
/// one in the order they were posted (serveUntilClosed, called by runHost). A request may run
/// as long as it likes, the Qt event loop included.
class VXHOST_EXPORT MainThreadQueue {
public:
    using Request = std::function<void()>;

    static MainThreadQueue& instance();

    MainThreadQueue(const MainThreadQueue&) = delete;
    MainThreadQueue& operator=(const MainThreadQueue&) = delete;

    /// Queues `request`; false for an empty request or once the queue is closed.
    bool post(Request request);
    /// Serves requests on the calling thread until close() was called and every request posted
    /// before it has run. A request that throws is reported on stderr; serving goes on.
    void serveUntilClosed();
    /// Refuses later requests; serveUntilClosed returns once those already queued have run.
    void close();
    /// Accepts requests again (before a new serveUntilClosed).
    void reopen();
    /// The thread inside serveUntilClosed, or a default id.
    std::thread::id servingThread() const;

private:
    MainThreadQueue() = default;

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Request> m_queue;
    bool m_closed = false;
    std::thread::id m_serving;
};

} // namespace VXHost
