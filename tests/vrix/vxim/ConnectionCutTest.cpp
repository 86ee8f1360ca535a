// Whichever of emitter and listener ends first, no packet queued before the listener's end
// reaches it; and passes over one thread's queue keep emission order when they nest.
#include "Worker.h"

#include "vrix/vxim/Connect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using VXIM::Thread;

// Counts into a shared cell, so the count can be read after the listener is gone.
struct Counter : VXIM::Listener {
    explicit Counter(std::shared_ptr<std::atomic<int>> cell)
        : runs(std::move(cell))
    {
    }
    ~Counter() override { disconnect(); }
    void take(int) { ++*runs; }
    std::shared_ptr<std::atomic<int>> runs;
};

enum class FirstToGo { Emitter, Listener };

struct EndOrder {
    FirstToGo first;
    bool drainOnWorker;
    const char* name;
};

void PrintTo(const EndOrder& order, std::ostream* os)
{
    *os << order.name;
}

class ConnectionCutTest : public testing::TestWithParam<EndOrder> { };

TEST_P(ConnectionCutTest, QueuedPacketsNeverReachAListenerThatIsGone)
{
    const EndOrder order = GetParam();
    auto runs = std::make_shared<std::atomic<int>>(0);
    std::unique_ptr<vxtest::Worker> worker;
    if (order.drainOnWorker)
        worker = std::make_unique<vxtest::Worker>("cut-target");
    Thread target = worker ? worker->thread() : Thread::getCurrentThread();

    // Hold the worker inside a slot so the packets below stay queued.
    std::atomic<bool> release { false };
    VXIM::Emitter0<> hold;
    vxtest::Owner holdOwner;
    if (worker) {
        VXIM::connectFunction(
            hold, &holdOwner,
            [&release] {
                while (!release.load())
                    std::this_thread::yield();
            },
            target);
        hold();
    }

    auto emitter = std::make_unique<VXIM::Emitter1<int>>();
    auto listener = std::make_unique<Counter>(runs);
    VXIM::connect(*emitter, listener.get(), &Counter::take, target);
    for (int i = 0; i < 50; ++i)
        (*emitter)(i);
    if (order.first == FirstToGo::Emitter) {
        emitter.reset();
        listener.reset();
    } else {
        listener.reset();
        emitter.reset();
    }

    release = true;
    if (worker)
        worker->run([] {});
    else
        Thread::getCurrentThread().processCurrentQueue();
    EXPECT_EQ(runs->load(), 0);
    EXPECT_EQ(target.pendingPackets(), 0u) << "cut packets are released, not left queued";
}

INSTANTIATE_TEST_SUITE_P(EitherEndFirst, ConnectionCutTest,
    testing::Values(EndOrder { FirstToGo::Emitter, false, "EmitterThenListener" },
        EndOrder { FirstToGo::Listener, false, "ListenerThenEmitter" },
        EndOrder { FirstToGo::Emitter, true, "EmitterThenListenerOnWorker" },
        EndOrder { FirstToGo::Listener, true, "ListenerThenEmitterOnWorker" }),
    [](const testing::TestParamInfo<EndOrder>& info) { return std::string(info.param.name); });

TEST(ConnectionCut, ListenerOutlivingManyEmittersStillReceivesFromNewOnes)
{
    // Emitters that come and go leave nothing behind that a later emission could reach.
    auto runs = std::make_shared<std::atomic<int>>(0);
    Counter listener(runs);
    for (int round = 0; round < 100; ++round) {
        VXIM::Emitter1<int> emitter;
        VXIM::connect(emitter, &listener, &Counter::take);
        emitter(round);
        Thread::getCurrentThread().processCurrentQueue();
    }
    EXPECT_EQ(runs->load(), 100);
    EXPECT_EQ(listener.connectionCount(), 0u);
    VXIM::Emitter1<int> last;
    VXIM::connect(last, &listener, &Counter::take);
    EXPECT_EQ(listener.connectionCount(), 1u);
}

TEST(Thread, NestedPassRunsTheOuterPassesRemainderFirstAndNothingTwice)
{
    VXIM::Emitter1<int> first;
    VXIM::Emitter1<int> second;
    struct Recorder : VXIM::Listener {
        ~Recorder() override { disconnect(); }
        void take(int v)
        {
            seen.push_back(v);
            if (v == 1) {
                // The slot serves the queue itself, as a nested event loop would.
                VXIM::Emitter1<int>& again = *late;
                again(100);
                Thread::getCurrentThread().processCurrentQueue();
                seen.push_back(-1);
            }
        }
        std::vector<int> seen;
        VXIM::Emitter1<int>* late = nullptr;
    } recorder;
    recorder.late = &second;
    VXIM::connect(first, &recorder, &Recorder::take);
    VXIM::connect(second, &recorder, &Recorder::take);
    for (int v : { 1, 2, 3 })
        first(v);
    Thread::getCurrentThread().processCurrentQueue();
    EXPECT_EQ(recorder.seen, (std::vector<int> { 1, 2, 3, 100, -1 }));
    EXPECT_EQ(Thread::getCurrentThread().pendingPackets(), 0u);
}

} // namespace
