#include "vrix/vxim/Thread.h"

#include "vrix/vxim/Connection.h"
#include "vrix/vxim/Packet.h"

#include <atomic>
#include <deque>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace VXIM {

struct ThreadData {
    std::mutex mutex;
    std::string name; // guarded by the registry mutex
    std::atomic<Thread::Tickle> tickle { nullptr };
    std::thread::id id;
    std::deque<std::shared_ptr<Packet>> queue; // guarded by mutex
    bool closed = false; // guarded by mutex
    std::atomic<int> depth { 0 }; // processCurrentQueue nesting, written by the owner only
};

namespace {

std::mutex& registryMutex()
{
    static std::mutex m;
    return m;
}

std::map<std::string, std::weak_ptr<ThreadData>>& registry()
{
    static std::map<std::string, std::weak_ptr<ThreadData>> r;
    return r;
}

void closeData(ThreadData& data)
{
    std::deque<std::shared_ptr<Packet>> discarded;
    {
        std::lock_guard<std::mutex> lock(data.mutex);
        data.closed = true;
        discarded.swap(data.queue);
        for (auto& p : discarded)
            p->m_connection->m_pending = nullptr;
    }
    // Destroyed outside the lock: their destructors release payloads and waiters.
    discarded.clear();
}

// Closes the thread's queue when the thread ends, so nobody waits on a dead thread.
struct CurrentThread {
    std::shared_ptr<ThreadData> data;
    ~CurrentThread()
    {
        if (data)
            closeData(*data);
    }
};

thread_local CurrentThread t_current;

const std::shared_ptr<ThreadData>& currentData()
{
    if (!t_current.data) {
        t_current.data = std::make_shared<ThreadData>();
        t_current.data->id = std::this_thread::get_id();
    }
    return t_current.data;
}

struct AutoDepth {
    explicit AutoDepth(ThreadData& d)
        : data(d)
    {
        data.depth.fetch_add(1, std::memory_order_relaxed);
    }
    ~AutoDepth() { data.depth.fetch_sub(1, std::memory_order_relaxed); }
    ThreadData& data;
};

} // namespace

Thread Thread::registerThread(const std::string& name, Tickle tickle)
{
    const auto& data = currentData();
    data->tickle.store(tickle);
    std::lock_guard<std::mutex> lock(registryMutex());
    if (!data->name.empty() && data->name != name)
        registry().erase(data->name);
    data->name = name;
    registry()[name] = data;
    return Thread(data);
}

Thread Thread::getNamedThread(const std::string& name)
{
    std::lock_guard<std::mutex> lock(registryMutex());
    auto it = registry().find(name);
    if (it == registry().end())
        return Thread();
    auto data = it->second.lock();
    if (!data)
        registry().erase(it);
    return Thread(std::move(data));
}

Thread Thread::getCurrentThread()
{
    return Thread(currentData());
}

bool Thread::isCurrent() const
{
    return d && d == t_current.data;
}

std::string Thread::name() const
{
    if (!d)
        return std::string();
    std::lock_guard<std::mutex> lock(registryMutex());
    return d->name;
}

std::size_t Thread::pendingPackets() const
{
    if (!d)
        return 0;
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->queue.size();
}

bool Thread::processingMessages() const
{
    return d && d->depth.load(std::memory_order_relaxed) > 0;
}

void Thread::processCurrentQueue() const
{
    if (!isCurrent())
        return;
    AutoDepth depth(*d);
    std::size_t budget;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        budget = d->queue.size();
    }
    while (budget-- > 0) {
        std::shared_ptr<Packet> packet;
        {
            std::lock_guard<std::mutex> lock(d->mutex);
            if (d->queue.empty())
                break;
            packet = std::move(d->queue.front());
            d->queue.pop_front();
            if (packet->m_connection->m_pending == packet.get())
                packet->m_connection->m_pending = nullptr;
        }
        packet->m_connection->deliver(*packet->m_payload, packet->m_rendezvous.get());
    }
}

void Thread::close() const
{
    if (d)
        closeData(*d);
}

bool Thread::isClosed() const
{
    if (!d)
        return true;
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->closed;
}

bool Thread::enqueue(const std::shared_ptr<Packet>& packet, bool supersede) const
{
    if (!d)
        return false;
    ConnectionBase& connection = *packet->m_connection;
    std::shared_ptr<Payload> superseded;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        // Checked under the queue lock: a disconnect cuts first and purges under it after.
        if (d->closed || !connection.isConnected())
            return false;
        if (supersede && connection.m_pending) {
            superseded = std::move(connection.m_pending->m_payload);
            connection.m_pending->m_payload = packet->m_payload;
        } else {
            d->queue.push_back(packet);
            if (supersede)
                connection.m_pending = packet.get();
        }
    }
    superseded.reset();
    if (Tickle tickle = d->tickle.load())
        tickle();
    return true;
}

void Thread::purge(const ConnectionBase* connection) const
{
    if (!d)
        return;
    std::vector<std::shared_ptr<Packet>> removed;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        auto& q = d->queue;
        for (auto it = q.begin(); it != q.end();) {
            if ((*it)->m_connection.get() == connection) {
                removed.push_back(std::move(*it));
                it = q.erase(it);
            } else {
                ++it;
            }
        }
        if (!removed.empty())
            removed.front()->m_connection->m_pending = nullptr;
    }
}

} // namespace VXIM
