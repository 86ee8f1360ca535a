#include "Worker.h"

#include "vrix/AtomicCounter.h"
#include "vrix/Holder.h"
#include "vrix/ReferencedTemplate.h"
#include "vrix/vxim/Connect.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using VXIM::Thread;

struct Sink : VXIM::Listener {
    ~Sink() override { disconnect(); }
    void take(int v)
    {
        values.push_back(v);
        threads.push_back(std::this_thread::get_id());
    }
    int twice(int v) { return 2 * v; }
    std::string name(const std::string& prefix) { return prefix + "-sink"; }
    std::vector<int> values;
    std::vector<std::thread::id> threads;
};

void drainHere()
{
    Thread::getCurrentThread().processCurrentQueue();
}

TEST(Emitter, QueuedPacketsRunOnlyWhenTheQueueIsProcessedAndInOrder)
{
    VXIM::Emitter1<int> emitter;
    Sink sink;
    VXIM::connect(emitter, &sink, &Sink::take);
    emitter(1);
    emitter(2);
    emitter(3);
    EXPECT_TRUE(sink.values.empty());
    drainHere();
    EXPECT_EQ(sink.values, (std::vector<int> { 1, 2, 3 }));
}

TEST(Emitter, DirectSendRunsAtOnceOnTheEmittingThread)
{
    VXIM::Emitter1<int> emitter;
    Sink sink;
    vxtest::Worker worker("direct-target");
    VXIM::connect(emitter, &sink, &Sink::take, worker.thread());
    emitter.send(VXIM::DirectSend, 5);
    ASSERT_EQ(sink.values, std::vector<int> { 5 });
    EXPECT_EQ(sink.threads.front(), std::this_thread::get_id());
}

TEST(Emitter, BurstFromTwoThreadsKeepsPerEmitterOrder)
{
    constexpr int kCount = 100000;
    vxtest::Worker worker("burst-target");
    VXIM::Emitter1<int> first;
    VXIM::Emitter1<int> second;
    struct Collector : VXIM::Listener {
        ~Collector() override { disconnect(); }
        std::vector<int> a, b;
        std::vector<std::thread::id> where;
        void takeA(int v) { a.push_back(v), where.push_back(std::this_thread::get_id()); }
        void takeB(int v) { b.push_back(v); }
    } collector;
    VXIM::connect(first, &collector, &Collector::takeA, worker.thread());
    VXIM::connect(second, &collector, &Collector::takeB, worker.thread());

    std::thread p1([&] {
        for (int i = 0; i < kCount; ++i)
            first(i);
    });
    std::thread p2([&] {
        for (int i = 0; i < kCount; ++i)
            second(i);
    });
    p1.join();
    p2.join();
    worker.run([] {}); // a blocking packet queued after every burst packet

    std::size_t sizeA = 0, sizeB = 0;
    bool orderedA = true, orderedB = true, onWorker = true;
    worker.run([&] {
        sizeA = collector.a.size();
        sizeB = collector.b.size();
        for (int i = 0; i < static_cast<int>(sizeA); ++i)
            orderedA = orderedA && collector.a[i] == i;
        for (int i = 0; i < static_cast<int>(sizeB); ++i)
            orderedB = orderedB && collector.b[i] == i;
        for (auto id : collector.where)
            onWorker = onWorker && id == std::this_thread::get_id();
    });
    EXPECT_EQ(sizeA, static_cast<std::size_t>(kCount));
    EXPECT_EQ(sizeB, static_cast<std::size_t>(kCount));
    EXPECT_TRUE(orderedA);
    EXPECT_TRUE(orderedB);
    EXPECT_TRUE(onWorker);
}

TEST(SingleEmitter, ReturnsTheValueComputedOnTheTargetThread)
{
    vxtest::Worker worker("value-target");
    VXIM::SingleEmitter<int(int)> twice;
    VXIM::SingleEmitter<std::string(const std::string&)> name;
    struct Where : VXIM::Listener {
        ~Where() override { disconnect(); }
        std::thread::id id() { return std::this_thread::get_id(); }
    } where;
    VXIM::SingleEmitter<std::thread::id()> threadOf;
    Sink sink;
    VXIM::connect(twice, &sink, &Sink::twice, worker.thread());
    VXIM::connect(name, &sink, &Sink::name, worker.thread());
    VXIM::connect(threadOf, &where, &Where::id, worker.thread());

    EXPECT_EQ(twice(21), 42);
    EXPECT_EQ(name("gui"), "gui-sink");
    EXPECT_EQ(threadOf(), worker.id());
}

TEST(SingleEmitter, WithoutConnectionsOrWithAQueuedSendGivesTheDefault)
{
    VXIM::SingleEmitter<int(int)> unconnected;
    EXPECT_EQ(unconnected(3), 0);

    Sink sink;
    VXIM::SingleEmitter<int(int)> twice;
    VXIM::connect(twice, &sink, &Sink::twice);
    EXPECT_EQ(twice.send(VXIM::QueuedSend, 4), 0);
    // Blocking to the calling thread's own slot runs it directly instead of deadlocking.
    EXPECT_EQ(twice(4), 8);
    drainHere(); // the queued packet runs harmlessly
}

TEST(SingleEmitter, BlockingSendToAnEndedThreadReturnsInsteadOfHanging)
{
    VXIM::SingleEmitter<int(int)> twice;
    Sink sink;
    {
        vxtest::Worker worker("short-lived");
        VXIM::connect(twice, &sink, &Sink::twice, worker.thread());
    }
    EXPECT_EQ(twice(5), 0);
}

namespace tickle {
std::atomic<int> calls { 0 };
VRIX::AtomicCounter outstanding;
std::atomic<int> wakeUps { 0 };
void count()
{
    ++calls;
}
// The toolkit's pattern: one wake-up until the thread starts serving.
void coalesce()
{
    ++calls;
    if (outstanding.testAndSet(0, 1))
        ++wakeUps;
}
} // namespace tickle

TEST(Thread, TickleRunsOncePerQueuedPacketAndCanCoalesce)
{
    tickle::outstanding.init(0);
    tickle::wakeUps = 0;
    Sink sink;
    VXIM::Emitter1<int> emitter;
    std::thread t([&] {
        Thread::registerThread("tickle-count", &tickle::count);
        VXIM::connect(emitter, &sink, &Sink::take);
        tickle::calls = 0;
        for (int i = 0; i < 7; ++i)
            emitter(i);
        EXPECT_EQ(tickle::calls.load(), 7);
        EXPECT_EQ(Thread::getCurrentThread().pendingPackets(), 7u);

        Thread::registerThread("tickle-count", &tickle::coalesce);
        tickle::calls = 0;
        for (int i = 0; i < 5; ++i)
            emitter(i);
        EXPECT_EQ(tickle::calls.load(), 5);
        EXPECT_EQ(tickle::wakeUps.load(), 1);
        // Serving re-arms the wake-up: the next packet wakes again.
        tickle::outstanding.testAndSet(1, 0);
        Thread::getCurrentThread().processCurrentQueue();
        emitter(99);
        EXPECT_EQ(tickle::wakeUps.load(), 2);
        Thread::getCurrentThread().processCurrentQueue();
        sink.disconnect();
    });
    t.join();
    EXPECT_EQ(sink.values.size(), 13u);
    EXPECT_EQ(sink.values.back(), 99);
}

TEST(Listener, DisconnectDiscardsPacketsAlreadyQueued)
{
    VXIM::Emitter1<int> emitter;
    Sink sink;
    Sink other;
    VXIM::connect(emitter, &sink, &Sink::take);
    VXIM::connect(emitter, &other, &Sink::take);
    for (int i = 0; i < 10; ++i)
        emitter(i);
    sink.disconnect();
    EXPECT_EQ(sink.connectionCount(), 0u);
    EXPECT_EQ(emitter.connectionCount(), 1u);
    emitter(10);
    drainHere();
    EXPECT_TRUE(sink.values.empty());
    EXPECT_EQ(other.values.size(), 11u);
}

TEST(Listener, DestroyedListenerOnAnotherThreadNeverRuns)
{
    vxtest::Worker worker("destroy-target");
    VXIM::Emitter1<int> emitter;
    VXIM::Emitter0<> block;
    std::atomic<int> ran { 0 };
    std::atomic<bool> release { false };
    std::thread releaser;
    {
        struct Counting : VXIM::Listener {
            ~Counting() override { disconnect(); }
        } listener;
        VXIM::connectFunction(
            emitter, &listener, [&ran](int) { ++ran; }, worker.thread());
        // Keeps the worker busy so the packets below stay queued while the listener dies.
        VXIM::connectFunction(
            block, &listener,
            [&release] {
                while (!release.load())
                    std::this_thread::yield();
            },
            worker.thread());
        block();
        for (int i = 0; i < 100; ++i)
            emitter(i);
        // Frees the worker only once the destructor has cut the connections: it is then
        // waiting for the running slot, and must discard the 100 packets behind it.
        // (It watches the emitter, which outlives the listener.)
        releaser = std::thread([&emitter, &release] {
            while (emitter.connectionCount() != 0)
                std::this_thread::yield();
            release = true;
        });
    }
    releaser.join();
    worker.run([] {});
    EXPECT_EQ(ran.load(), 0);
}

TEST(Listener, SlotMayDisconnectItsOwnListener)
{
    VXIM::Emitter1<int> emitter;
    struct SelfCutting : VXIM::Listener {
        ~SelfCutting() override { disconnect(); }
        void take(int v)
        {
            seen.push_back(v);
            disconnect();
        }
        std::vector<int> seen;
    } listener;
    VXIM::connect(emitter, &listener, &SelfCutting::take);
    emitter(1);
    emitter(2);
    drainHere();
    EXPECT_EQ(listener.seen, std::vector<int> { 1 });
}

TEST(Emitter, DroppedEmitterStillDeliversWhatItQueued)
{
    Sink sink;
    {
        VXIM::Emitter1<int> emitter;
        VXIM::connect(emitter, &sink, &Sink::take);
        emitter(1);
        emitter(2);
    }
    EXPECT_EQ(sink.connectionCount(), 0u);
    drainHere();
    EXPECT_EQ(sink.values, (std::vector<int> { 1, 2 }));
}

TEST(Emitter, DropSupersededKeepsOnlyTheLatestWaitingPacket)
{
    Sink sink;
    VXIM::Emitter<void(int), VXIM::DropSuperseded> latest;
    VXIM::Emitter1<int> every;
    VXIM::connect(latest, &sink, &Sink::take);
    for (int i = 0; i < 1000; ++i)
        latest(i);
    EXPECT_EQ(Thread::getCurrentThread().pendingPackets(), 1u);
    drainHere();
    EXPECT_EQ(sink.values, std::vector<int> { 999 });

    // After delivery a new packet queues again; a KeepAll emitter is unaffected.
    Sink all;
    VXIM::connect(every, &all, &Sink::take);
    latest(5);
    every(1);
    every(2);
    latest(6);
    drainHere();
    EXPECT_EQ(sink.values, (std::vector<int> { 999, 6 }));
    EXPECT_EQ(all.values, (std::vector<int> { 1, 2 }));
}

TEST(Thread, ProcessCurrentQueueRunsOnlyWhatWasQueuedWhenItStarted)
{
    VXIM::Emitter1<int> emitter;
    struct Echo : VXIM::Listener {
        ~Echo() override { disconnect(); }
        VXIM::Emitter1<int>* e = nullptr;
        int runs = 0;
        bool processing = false;
        void take(int v)
        {
            ++runs;
            processing = Thread::getCurrentThread().processingMessages();
            (*e)(v + 1); // re-queues for this same thread
        }
    } echo;
    echo.e = &emitter;
    VXIM::connect(emitter, &echo, &Echo::take);
    emitter(0);
    drainHere();
    EXPECT_EQ(echo.runs, 1);
    EXPECT_TRUE(echo.processing);
    EXPECT_FALSE(Thread::getCurrentThread().processingMessages());
    drainHere();
    EXPECT_EQ(echo.runs, 2);
    echo.disconnect();
    drainHere();
}

TEST(Thread, ExceptionLeavesProcessingAndKeepsTheRestQueued)
{
    VXIM::Emitter1<int> emitter;
    struct Thrower : VXIM::Listener {
        ~Thrower() override { disconnect(); }
        std::vector<int> seen;
        void take(int v)
        {
            seen.push_back(v);
            if (v == 1)
                throw std::runtime_error("listener failed");
        }
    } thrower;
    VXIM::connect(emitter, &thrower, &Thrower::take);
    emitter(1);
    emitter(2);
    EXPECT_THROW(drainHere(), std::runtime_error);
    EXPECT_FALSE(Thread::getCurrentThread().processingMessages());
    drainHere();
    EXPECT_EQ(thrower.seen, (std::vector<int> { 1, 2 }));
}

struct Counted : VRIX::ReferencedTemplate<VRIX::AtomicCounter> {
    explicit Counted(std::atomic<int>& alive)
        : m_alive(alive)
    {
        ++m_alive;
    }
    ~Counted() override { --m_alive; }
    std::atomic<int>& m_alive;
};

TEST(Emitter, HolderArgumentKeepsItsObjectUntilDelivered)
{
    std::atomic<int> alive { 0 };
    using H = VRIX::Holder<Counted>;
    VXIM::Emitter1<const H&> emitter;
    int referencesSeen = 0;
    struct Owner : VXIM::Listener {
        ~Owner() override { disconnect(); }
    } owner;
    VXIM::connectFunction(
        emitter, &owner, [&referencesSeen](const H& h) { referencesSeen = h->referenceCount(); });
    {
        H h(new Counted(alive));
        emitter(h);
    }
    EXPECT_EQ(alive.load(), 1); // only the queued packet holds it now
    drainHere();
    EXPECT_EQ(referencesSeen, 1);
    EXPECT_EQ(alive.load(), 0);
}

TEST(Thread, NamesFindTheRegisteredThread)
{
    EXPECT_FALSE(Thread::getNamedThread("nobody").isValid());
    vxtest::Worker worker("named-worker");
    Thread found = Thread::getNamedThread("named-worker");
    EXPECT_TRUE(found.isValid());
    EXPECT_EQ(found, worker.thread());
    EXPECT_EQ(found.name(), "named-worker");
    EXPECT_FALSE(found.isCurrent());
}

} // namespace
