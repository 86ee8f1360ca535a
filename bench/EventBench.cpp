// User events from the GUI thread to a listener on the engine thread, beside a plain
// mutex-and-condition-variable queue between two threads (the anchor). Runs under the host:
// the benchmarks are the engine thread, the GUI thread runs Qt's loop on the main thread.
#include "BenchHost.h"
#include "RatioReporter.h"

#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXEvent.h"
#include "engine/VXListener.h"
#include "host/Host.h"
#include "host/Interpreter.h"
#include "vrix/StringID.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// Engine thread: counts deliveries; the latency benchmark also has it note when the last came.
// The throughput pair reads no clock on the taking side (the anchor's consumer does not either).
class CountingListener : public VXListener {
public:
    void handleEvent(const VXEvent* event) override
    {
        (void)event;
        ++count;
        if (stampArrivals)
            lastArrival = Clock::now();
    }
    long count = 0;
    bool stampArrivals = false;
    Clock::time_point lastArrival;
};

VXButton* g_proxy = nullptr;
CountingListener* g_listener = nullptr;

// Raises `n` events on the GUI thread without waiting for it; returns at once.
void raiseOnGui(int n, std::atomic<std::int64_t>* raisedAt)
{
    VXWidget* proxy = g_proxy;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [proxy, n, raisedAt] {
            if (raisedAt)
                *raisedAt = Clock::now().time_since_epoch().count();
            for (int i = 0; i < n; ++i) {
                auto* event = new VXEvent(ButtonPressEvent, proxy);
                event->setValue(i);
                event->doEvent();
            }
        },
        Qt::QueuedConnection);
}

void waitForDeliveries(long target)
{
    VXHost::Interpreter::instance().processCommandsUntil(
        [target] { return g_listener->count >= target; }, std::chrono::seconds(30));
}

void BM_EventThroughput(benchmark::State& state)
{
    const int batch = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const long target = g_listener->count + batch;
        raiseOnGui(batch, nullptr);
        waitForDeliveries(target);
    }
    state.SetItemsProcessed(state.iterations() * batch);
}

void BM_EventLatency(benchmark::State& state)
{
    std::atomic<std::int64_t> raisedAt { 0 };
    g_listener->stampArrivals = true;
    for (auto _ : state) {
        const long target = g_listener->count + 1;
        raiseOnGui(1, &raisedAt);
        waitForDeliveries(target);
        const auto raised = Clock::time_point(Clock::duration(raisedAt.load()));
        state.SetIterationTime(
            std::chrono::duration<double>(g_listener->lastArrival - raised).count());
    }
    g_listener->stampArrivals = false;
}

// The anchor: the same hand-off through a mutex-guarded queue and a condition variable.
struct PlainQueue {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<Clock::time_point> items;

    void push(Clock::time_point item)
    {
        std::lock_guard<std::mutex> guard(mutex);
        items.push_back(item);
        ready.notify_one();
    }
};

// The anchors' sending side: a thread of its own, asleep until asked for a round, as the GUI
// thread is. (A sender made afresh per round often ran before the waiter was asleep at all,
// which is not the hand-off the events make.)
class Sender {
public:
    explicit Sender(std::function<void()> round)
        : m_thread([this, round = std::move(round)] {
            for (int served = 0;; ++served) {
                {
                    std::unique_lock<std::mutex> lock(m_mutex);
                    m_go.wait(lock, [&] { return m_done || m_rounds > served; });
                    if (m_done)
                        return;
                }
                round();
            }
        })
    {
    }
    ~Sender()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_go.notify_one();
        m_thread.join();
    }
    void ask()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            ++m_rounds;
        }
        m_go.notify_one();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_go;
    int m_rounds = 0;
    bool m_done = false;
    std::thread m_thread; // last: starts once the rest exists
};

void BM_PlainQueueThroughput(benchmark::State& state)
{
    const int batch = static_cast<int>(state.range(0));
    PlainQueue queue;
    Sender producer([&] {
        for (int i = 0; i < batch; ++i)
            queue.push(Clock::now());
    });
    for (auto _ : state) {
        producer.ask();
        for (int taken = 0; taken < batch;) {
            std::unique_lock<std::mutex> lock(queue.mutex);
            queue.ready.wait(lock, [&] { return !queue.items.empty(); });
            taken += static_cast<int>(queue.items.size());
            queue.items.clear();
        }
    }
    state.SetItemsProcessed(state.iterations() * batch);
}

// The waiter asks the sender for one item and sleeps until it comes.
void BM_PlainQueueLatency(benchmark::State& state)
{
    PlainQueue queue;
    Sender sender([&] { queue.push(Clock::now()); });
    for (auto _ : state) {
        sender.ask();
        Clock::time_point sent;
        {
            std::unique_lock<std::mutex> lock(queue.mutex);
            queue.ready.wait(lock, [&] { return !queue.items.empty(); });
            sent = queue.items.front();
            queue.items.pop_front();
        }
        const auto arrived = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(arrived - sent).count());
    }
}

BENCHMARK(BM_EventThroughput)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainQueueThroughput)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EventLatency)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainQueueLatency)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (!vxbench::initializeUnderHost(argc, argv))
        return 1;
    vxbench::RatioReporter::setAnchor("BM_EventThroughput", "BM_PlainQueueThroughput");
    vxbench::RatioReporter::setAnchor("BM_EventLatency", "BM_PlainQueueLatency");
    return VXHost::runHost(argc, argv, [] {
        VXBridge* bridge = VXBridge::getBridge(VRIX::StringID("qt"));
        if (!bridge)
            return EXIT_FAILURE;
        {
            VXButton proxy(nullptr);
            CountingListener listener;
            proxy.addEventListener(&listener, ButtonPressEvent);
            g_proxy = &proxy;
            g_listener = &listener;
            vxbench::RatioReporter reporter;
            benchmark::RunSpecifiedBenchmarks(&reporter);
            g_proxy = nullptr;
            g_listener = nullptr;
        }
        bridge->quit();
        VXBridge::destroyBridges();
        benchmark::Shutdown();
        return 0;
    });
}
