#pragma once

#include "vrix/vxim/Listener.h"
#include "vrix/vxim/Thread.h"

#include <condition_variable>
#include <functional>
#include <future>
#include <mutex>
#include <thread>

namespace vxtest {

/// A listener that only owns connections (of closures), cut when it goes.
struct Owner : VXIM::Listener {
    ~Owner() override { disconnect(); }
};

/// A thread registered with the messaging core that serves its queue whenever it is tickled,
/// the way the toolkit's GUI thread does. One Worker exists at a time (the tickle is a plain
/// function, so it reaches the worker through a static).
class Worker {
public:
    explicit Worker(const std::string& name);
    ~Worker(); // stops the loop and joins; the thread's queue is closed on exit

    VXIM::Thread thread() const { return m_thread; }
    std::thread::id id() const { return m_std.get_id(); }
    /// Runs `f` on the worker (through its own queue) and waits.
    void run(const std::function<void()>& f);

private:
    static void tickle();
    void loop();

    static Worker* s_current;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_pending = false;
    bool m_stop = false;
    VXIM::Thread m_thread;
    std::thread m_std;
};

} // namespace vxtest
