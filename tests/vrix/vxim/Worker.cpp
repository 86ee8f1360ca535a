#include "Worker.h"

#include "vrix/vxim/Connect.h"

namespace vxtest {

Worker* Worker::s_current = nullptr;

Worker::Worker(const std::string& name)
{
    s_current = this;
    std::promise<VXIM::Thread> ready;
    auto future = ready.get_future();
    m_std = std::thread([this, name, &ready] {
        ready.set_value(VXIM::Thread::registerThread(name, &Worker::tickle));
        loop();
    });
    m_thread = future.get();
}

Worker::~Worker()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_std.join();
    s_current = nullptr;
}

void Worker::tickle()
{
    Worker* w = s_current;
    if (!w)
        return;
    {
        std::lock_guard<std::mutex> lock(w->m_mutex);
        w->m_pending = true;
    }
    w->m_wake.notify_all();
}

void Worker::loop()
{
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_pending || m_stop; });
            if (m_stop && !m_pending)
                return;
            m_pending = false;
        }
        VXIM::Thread::getCurrentThread().processCurrentQueue();
    }
}

void Worker::run(const std::function<void()>& f)
{
    Owner owner;
    VXIM::Emitter<void(), VXIM::KeepAll> e(VXIM::BlockingSend);
    VXIM::connectFunction(e, &owner, f, m_thread);
    e();
}

} // namespace vxtest
