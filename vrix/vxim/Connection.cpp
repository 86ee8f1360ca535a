#include "vrix/vxim/Connection.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace VXIM {

namespace {
// Connections whose slot runs on this thread's stack right now (nesting allowed).
thread_local std::vector<const ConnectionBase*> t_delivering;

struct AutoDelivering {
    AutoDelivering(const ConnectionBase* c, std::atomic<int>& inFlight)
        : connection(c)
        , counter(inFlight)
    {
        counter.fetch_add(1);
        t_delivering.push_back(connection);
    }
    ~AutoDelivering()
    {
        t_delivering.pop_back();
        counter.fetch_sub(1);
    }
    const ConnectionBase* connection;
    std::atomic<int>& counter;
};
} // namespace

ConnectionBase::ConnectionBase(
    Listener* listener, EmitterBase* emitter, Thread thread, PacketDropMode dropMode)
    : m_listener(listener)
    , m_emitter(emitter)
    , m_thread(std::move(thread))
    , m_dropMode(dropMode)
{
}

void ConnectionBase::deliver(Payload& payload, Rendezvous* rendezvous)
{
    // Count first, then test: cut() stores first, then reads the count (both sequentially
    // consistent), so either the slot is not run or cut() sees it running.
    AutoDelivering guard(this, m_inFlight);
    if (!m_connected.load())
        return;
    invoke(payload, rendezvous);
}

void ConnectionBase::cut()
{
    m_connected.store(false);
    m_thread.purge(this);
    // A slot of ours may be running on this very stack (a listener that disconnects itself).
    const int own = static_cast<int>(std::count(t_delivering.begin(), t_delivering.end(), this));
    while (m_inFlight.load() > own)
        std::this_thread::sleep_for(std::chrono::microseconds(50));
}

} // namespace VXIM
