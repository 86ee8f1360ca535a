#include "host/MainThreadQueue.h"

#include <cstdio>
#include <exception>

namespace VXHost {

MainThreadQueue& MainThreadQueue::instance()
{
    // Never destroyed: late posts from exiting threads must find it.
    static MainThreadQueue* queue = new MainThreadQueue;
    return *queue;
}

bool MainThreadQueue::post(Request request)
{
    if (!request)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_closed)
            return false;
        m_queue.push_back(std::move(request));
    }
    m_changed.notify_all();
    return true;
}

void MainThreadQueue::serveUntilClosed()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_serving = std::this_thread::get_id();
    }
    for (;;) {
        Request request;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_changed.wait(lock, [this] { return m_closed || !m_queue.empty(); });
            if (m_queue.empty()) {
                m_serving = std::thread::id();
                return;
            }
            request = std::move(m_queue.front());
            m_queue.pop_front();
        }
        try {
            request();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "vxhost: main-thread request threw: %s\n", e.what());
        } catch (...) {
            std::fprintf(stderr, "vxhost: main-thread request threw\n");
        }
    }
}

void MainThreadQueue::close()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_closed = true;
    }
    m_changed.notify_all();
}

void MainThreadQueue::reopen()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = false;
}

std::thread::id MainThreadQueue::servingThread() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_serving;
}

} // namespace VXHost
