#include "vrix/vxim/Thread.h"

#include "vrix/vxim/Connection.h"
#include "vrix/vxim/Packet.h"

#include <algorithm>
#include <atomic>
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
    // Producers append here; the owner takes the whole of it at once, so the two threads meet
    // on the lock once per pass instead of once per packet.
    std::vector<Packet> queue; // guarded by mutex
    std::uint64_t generation = 0; // guarded by mutex; moves on whenever queue indexes change
    std::atomic<bool> closed { false }; // written under mutex
    std::atomic<std::size_t> pending { 0 }; // queue plus what the owner has not run of batch
    // Owner only: the packets taken from the queue and the next one to run. Shared by nested
    // passes so that they keep emission order.
    std::vector<Packet> batch;
    std::size_t cursor = 0;
    std::uint64_t batchEpoch = 0; // a pass stops when a nested one took a new batch
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

// Drop mode 0: after the queue's indexes changed, tells each waiting packet where it now is.
void reindexSuperseding(ThreadData& data)
{
    ++data.generation;
    for (std::size_t i = 0; i < data.queue.size(); ++i) {
        ConnectionBase& c = *data.queue[i].m_connection;
        if (c.m_dropMode == DropSuperseded) {
            c.m_pendingGeneration = data.generation;
            c.m_pendingIndex = i;
        }
    }
}

// `owner`: called on the thread itself, which alone may touch its batch.
void closeData(ThreadData& data, bool owner)
{
    std::vector<Packet> discarded;
    {
        std::lock_guard<std::mutex> lock(data.mutex);
        data.closed.store(true);
        discarded.swap(data.queue);
        ++data.generation;
        data.pending.fetch_sub(discarded.size());
    }
    if (owner && data.cursor < data.batch.size()) {
        data.pending.fetch_sub(data.batch.size() - data.cursor);
        data.batch.clear();
        data.cursor = 0;
        ++data.batchEpoch;
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
            closeData(*data, true);
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
    return d ? d->pending.load() : 0;
}

bool Thread::processingMessages() const
{
    return d && d->depth.load(std::memory_order_relaxed) > 0;
}

void Thread::processCurrentQueue() const
{
    if (!isCurrent())
        return;
    ThreadData& data = *d;
    AutoDepth depth(data);
    std::size_t end;
    {
        std::lock_guard<std::mutex> lock(data.mutex);
        if (data.cursor == data.batch.size()) {
            // The emptied batch's storage becomes the next queue: no allocation per pass.
            data.batch.clear();
            data.cursor = 0;
            data.batch.swap(data.queue);
            ++data.batchEpoch;
        } else {
            // An outer pass (or one a slot's exception ended) has packets left: they go first.
            std::move(data.queue.begin(), data.queue.end(), std::back_inserter(data.batch));
            data.queue.clear();
        }
        ++data.generation; // what was waiting is taken: nothing left to supersede
        end = data.batch.size();
    }
    const std::uint64_t epoch = data.batchEpoch;
    while (data.cursor < end && data.batchEpoch == epoch) {
        if (data.closed.load()) {
            closeData(data, true);
            return;
        }
        Packet packet = std::move(data.batch[data.cursor++]);
        data.pending.fetch_sub(1);
        packet.m_connection->deliver(*packet.m_payload, packet.m_rendezvous.get());
    }
}

void Thread::close() const
{
    if (d)
        closeData(*d, isCurrent());
}

bool Thread::isClosed() const
{
    return !d || d->closed.load();
}

bool Thread::enqueue(Packet&& packet, bool supersede) const
{
    if (!d)
        return false;
    ConnectionBase& connection = *packet.m_connection;
    std::shared_ptr<Payload> superseded;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        // Checked under the queue lock: a disconnect cuts first and purges under it after.
        if (d->closed.load(std::memory_order_relaxed) || !connection.isConnected())
            return false;
        const std::size_t at = connection.m_pendingIndex;
        if (supersede && connection.m_pendingGeneration == d->generation && at < d->queue.size()
            && d->queue[at].m_connection.get() == &connection) {
            superseded = std::move(d->queue[at].m_payload);
            d->queue[at].m_payload = std::move(packet.m_payload);
        } else {
            if (supersede) {
                connection.m_pendingGeneration = d->generation;
                connection.m_pendingIndex = d->queue.size();
            }
            d->queue.push_back(std::move(packet));
            d->pending.fetch_add(1);
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
    std::vector<Packet> removed;
    {
        std::lock_guard<std::mutex> lock(d->mutex);
        auto& q = d->queue;
        auto keep = std::stable_partition(q.begin(), q.end(),
            [connection](const Packet& p) { return p.m_connection.get() != connection; });
        if (keep == q.end())
            return;
        std::move(keep, q.end(), std::back_inserter(removed));
        q.erase(keep, q.end());
        d->pending.fetch_sub(removed.size());
        reindexSuperseding(*d);
    }
    // Packets already taken by the owner's pass stay there; the cut connection skips them.
}

} // namespace VXIM
