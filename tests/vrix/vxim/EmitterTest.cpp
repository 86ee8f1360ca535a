#include "Worker.h"

#include "vrix/AtomicCounter.h"
#include "vrix/Holder.h"
#include "vrix/ReferencedTemplate.h"
#include "vrix/vxim/Connect.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using VXIM::Thread;
using vxtest::Owner;

// Records what reaches it and where; `then` runs after each value is recorded.
struct Sink : VXIM::Listener {
    ~Sink() override { disconnect(); }
    void take(int v)
    {
        values.push_back(v);
        threads.push_back(std::this_thread::get_id());
        if (then)
            then(v);
    }
    int twice(int v) { return 2 * v; }
    std::vector<int> values;
    std::vector<std::thread::id> threads;
    std::function<void(int)> then;
};

void drainHere()
{
    Thread::getCurrentThread().processCurrentQueue();
}

// Keeps `target` inside a slot owned by `owner` until `release` is set: packets queued behind it
// stay queued.
void holdUntil(
    std::atomic<bool>& release, VXIM::Emitter0<>& hold, VXIM::Listener* owner, Thread target)
{
    VXIM::connectFunction(
        hold, owner,
        [&release] {
            while (!release.load())
                std::this_thread::yield();
        },
        target);
    hold();
}

TEST(Emitter, QueuedPacketsRunInOrderWhenTheQueueIsServedEvenAfterTheEmitterIsGone)
{
    Sink sink;
    {
        VXIM::Emitter1<int> emitter;
        VXIM::connect(emitter, &sink, &Sink::take);
        for (int v : { 1, 2, 3 })
            emitter(v);
        EXPECT_TRUE(sink.values.empty());
    }
    EXPECT_EQ(sink.connectionCount(), 0u);
    drainHere();
    EXPECT_EQ(sink.values, (std::vector<int> { 1, 2, 3 }));
}

TEST(Emitter, BurstFromTwoThreadsKeepsPerEmitterOrder)
{
    constexpr int kCount = 100000;
    vxtest::Worker worker("burst-target");
    VXIM::Emitter1<int> emitters[2];
    Sink sinks[2];
    std::vector<std::thread> producers;
    for (int e = 0; e < 2; ++e) {
        VXIM::connect(emitters[e], &sinks[e], &Sink::take, worker.thread());
        producers.emplace_back([&emitter = emitters[e]] {
            for (int i = 0; i < kCount; ++i)
                emitter(i);
        });
    }
    for (auto& producer : producers)
        producer.join();
    worker.run([] {}); // a blocking packet queued after every burst packet

    std::vector<int> expected(kCount);
    for (int i = 0; i < kCount; ++i)
        expected[i] = i;
    worker.run([&] {
        for (const Sink& sink : sinks) {
            EXPECT_TRUE(sink.values == expected);
            EXPECT_EQ(std::count(sink.threads.begin(), sink.threads.end(), worker.id()), kCount);
        }
    });
}

TEST(Emitter, DirectSendsRunHereAndTheTargetIsFoundByItsName)
{
    vxtest::Worker worker("value-target");
    Sink sink;
    // A direct send runs at once on the emitting thread, whatever the target.
    VXIM::Emitter1<int> direct;
    VXIM::connect(direct, &sink, &Sink::take, worker.thread());
    direct.send(VXIM::DirectSend, 5);
    ASSERT_EQ(sink.values, std::vector<int> { 5 });
    EXPECT_EQ(sink.threads.front(), std::this_thread::get_id());

    EXPECT_FALSE(Thread::getNamedThread("nobody").isValid());
    const Thread found = Thread::getNamedThread("value-target");
    EXPECT_EQ(found, worker.thread());
    EXPECT_EQ(found.name(), "value-target");
    EXPECT_FALSE(found.isCurrent());
}

TEST(SingleEmitter, GivesTheDefaultWhenNobodyAnswersInTime)
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

    // A blocking send to a thread that has ended returns instead of hanging.
    VXIM::SingleEmitter<int(int)> toEnded;
    {
        vxtest::Worker worker("short-lived");
        VXIM::connect(toEnded, &sink, &Sink::twice, worker.thread());
    }
    EXPECT_EQ(toEnded(5), 0);
}

namespace tickle {
std::atomic<int> calls { 0 };
std::atomic<int> replaced { 0 };
void count()
{
    ++calls;
}
void countReplaced()
{
    ++replaced;
}
} // namespace tickle

TEST(Thread, TickleRunsOncePerQueuedPacketAndRegisteringAgainReplacesIt)
{
    tickle::calls = tickle::replaced = 0;
    Sink sink;
    VXIM::Emitter1<int> emitter;
    std::thread t([&] {
        Thread::registerThread("tickle-count", &tickle::count);
        VXIM::connect(emitter, &sink, &Sink::take);
        for (int i = 0; i < 7; ++i)
            emitter(i);
        EXPECT_EQ(tickle::calls.load(), 7);
        EXPECT_EQ(Thread::getCurrentThread().pendingPackets(), 7u);

        Thread::registerThread("tickle-count", &tickle::countReplaced);
        emitter(99);
        EXPECT_EQ(tickle::calls.load(), 7);
        EXPECT_EQ(tickle::replaced.load(), 1);
        drainHere();
        sink.disconnect();
    });
    t.join();
    EXPECT_EQ(sink.values, (std::vector<int> { 0, 1, 2, 3, 4, 5, 6, 99 }));
}

TEST(Listener, DisconnectFromOutsideOrFromItsOwnSlotDiscardsPacketsAlreadyQueued)
{
    VXIM::Emitter1<int> emitter;
    Sink cut, other, selfCutting;
    selfCutting.then = [&](int) { selfCutting.disconnect(); };
    for (Sink* sink : { &cut, &other, &selfCutting })
        VXIM::connect(emitter, sink, &Sink::take);
    for (int i = 0; i < 10; ++i)
        emitter(i);
    cut.disconnect();
    EXPECT_EQ(cut.connectionCount(), 0u);
    EXPECT_EQ(emitter.connectionCount(), 2u);
    emitter(10);
    drainHere();
    EXPECT_TRUE(cut.values.empty());
    EXPECT_EQ(other.values.size(), 11u);
    EXPECT_EQ(selfCutting.values, std::vector<int> { 0 });
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
        Owner listener;
        VXIM::connectFunction(
            emitter, &listener, [&ran](int) { ++ran; }, worker.thread());
        // The packets below stay queued while the listener dies.
        holdUntil(release, block, &listener, worker.thread());
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

TEST(Thread, APassRunsOnlyWhatWasQueuedWhenItStarted)
{
    VXIM::Emitter1<int> emitter;
    Sink echo;
    bool processing = false;
    echo.then = [&](int v) {
        processing = Thread::getCurrentThread().processingMessages();
        if (v == 0)
            emitter(1); // re-queues for this same thread
    };
    VXIM::connect(emitter, &echo, &Sink::take);
    emitter(0);
    drainHere();
    EXPECT_EQ(echo.values, std::vector<int> { 0 });
    EXPECT_TRUE(processing);
    EXPECT_FALSE(Thread::getCurrentThread().processingMessages());
    drainHere();
    EXPECT_EQ(echo.values, (std::vector<int> { 0, 1 }));
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
    Owner owner;
    VXIM::connectFunction(
        emitter, &owner, [&referencesSeen](const H& h) { referencesSeen = h->referenceCount(); });
    emitter(H(new Counted(alive)));
    EXPECT_EQ(alive.load(), 1); // only the queued packet holds it now
    drainHere();
    EXPECT_EQ(referencesSeen, 1);
    EXPECT_EQ(alive.load(), 0);
}

struct EndOrder {
    bool emitterFirst;
    bool drainOnWorker;
    const char* name;
};

class ConnectionCutTest : public testing::TestWithParam<EndOrder> { };

TEST_P(ConnectionCutTest, QueuedPacketsNeverReachAListenerThatIsGone)
{
    const EndOrder order = GetParam();
    auto runs = std::make_shared<std::atomic<int>>(0); // outlives the listener
    std::unique_ptr<vxtest::Worker> worker;
    if (order.drainOnWorker)
        worker = std::make_unique<vxtest::Worker>("cut-target");
    Thread target = worker ? worker->thread() : Thread::getCurrentThread();
    std::atomic<bool> release { false };
    VXIM::Emitter0<> hold;
    Owner holdOwner;
    if (worker)
        holdUntil(release, hold, &holdOwner, target);

    auto emitter = std::make_unique<VXIM::Emitter1<int>>();
    auto listener = std::make_unique<Sink>();
    listener->then = [runs](int) { ++*runs; };
    VXIM::connect(*emitter, listener.get(), &Sink::take, target);
    for (int i = 0; i < 50; ++i)
        (*emitter)(i);
    if (order.emitterFirst)
        emitter.reset();
    listener.reset();
    emitter.reset();

    release = true;
    if (worker)
        worker->run([] {});
    else
        drainHere();
    EXPECT_EQ(runs->load(), 0);
    EXPECT_EQ(target.pendingPackets(), 0u) << "cut packets are released, not left queued";
}

INSTANTIATE_TEST_SUITE_P(EitherEndFirst, ConnectionCutTest,
    testing::Values(EndOrder { true, false, "EmitterThenListener" },
        EndOrder { false, false, "ListenerThenEmitter" },
        EndOrder { true, true, "EmitterThenListenerOnWorker" },
        EndOrder { false, true, "ListenerThenEmitterOnWorker" }),
    [](const testing::TestParamInfo<EndOrder>& info) { return std::string(info.param.name); });

TEST(Thread, NestedPassRunsTheOuterPassesRemainderFirstAndNothingTwice)
{
    VXIM::Emitter1<int> first;
    VXIM::Emitter1<int> second;
    Sink recorder;
    recorder.then = [&](int v) {
        if (v != 1)
            return;
        // The slot serves the queue itself, as a nested event loop would.
        second(100);
        drainHere();
        recorder.values.push_back(-1);
    };
    VXIM::connect(first, &recorder, &Sink::take);
    VXIM::connect(second, &recorder, &Sink::take);
    for (int v : { 1, 2, 3 })
        first(v);
    drainHere();
    EXPECT_EQ(recorder.values, (std::vector<int> { 1, 2, 3, 100, -1 }));
    EXPECT_EQ(Thread::getCurrentThread().pendingPackets(), 0u);
}

} // namespace
