#include "host/Interpreter.h"
#include "engine/HostFunctions.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
using VXHost::Interpreter;

// The tests run on the engine thread; each starts and ends with an empty, open queue.
class InterpreterTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(interpreter.pendingCommands(), 0u); }
    void TearDown() override
    {
        interpreter.open();
        interpreter.startSession();
        while (interpreter.pendingCommands() > 0) {
            try {
                interpreter.processPendingCommands();
            } catch (...) {
            }
        }
    }

    Interpreter& interpreter = Interpreter::instance();
};

TEST_F(InterpreterTest, CommandsFromSeveralThreadsRunOnTheEngineThreadInEachThreadsOrder)
{
    ASSERT_TRUE(interpreter.isEngineThread());
    constexpr int producers = 4;
    constexpr int perProducer = 500;
    struct Run {
        int producer;
        int sequence;
        std::thread::id thread;
    };
    std::mutex mutex;
    std::vector<Run> runs;
    void* session = zvm::currentLocalInterpreter();
    ASSERT_NE(session, nullptr);

    std::vector<std::thread> threads;
    for (int p = 0; p < producers; ++p)
        threads.emplace_back([&, p] {
            for (int i = 0; i < perProducer; ++i)
                zvm::enqueueCommand(session, [&, p, i] {
                    std::lock_guard<std::mutex> lock(mutex);
                    runs.push_back({ p, i, std::this_thread::get_id() });
                });
        });
    const bool done = interpreter.processCommandsUntil(
        [&] {
            std::lock_guard<std::mutex> lock(mutex);
            return runs.size() == producers * perProducer;
        },
        20s);
    for (auto& thread : threads)
        thread.join();
    if (!done)
        interpreter.close(); // the leftovers refer to this test's locals

    ASSERT_TRUE(done);
    std::vector<int> next(producers, 0);
    for (const Run& run : runs) {
        EXPECT_EQ(run.thread, std::this_thread::get_id());
        EXPECT_EQ(run.sequence, next[run.producer]) << "producer " << run.producer;
        next[run.producer] = run.sequence + 1;
    }
}

TEST_F(InterpreterTest, NothingRunsBehindTheEngineThreadsBackAndAPassRunsWhatWasQueuedBefore)
{
    bool ran = false;
    ASSERT_TRUE(interpreter.enqueue([&] { ran = true; }));
    std::size_t ranElsewhere = 1;
    bool untilElsewhere = true;
    std::thread other([&] {
        ranElsewhere = interpreter.processPendingCommands();
        untilElsewhere = interpreter.processCommandsUntil([] { return false; }, 10ms);
    });
    other.join();
    EXPECT_EQ(ranElsewhere, 0u);
    EXPECT_FALSE(untilElsewhere);
    EXPECT_FALSE(ran);
    EXPECT_EQ(interpreter.pendingCommands(), 1u);

    EXPECT_EQ(interpreter.processPendingCommands(), 1u);
    EXPECT_TRUE(ran);

    // A pass runs only what was queued when it started.
    std::vector<int> order;
    interpreter.enqueue([&] {
        order.push_back(1);
        interpreter.enqueue([&] { order.push_back(3); });
    });
    interpreter.enqueue([&] { order.push_back(2); });

    EXPECT_EQ(interpreter.processPendingCommands(), 2u);
    EXPECT_EQ(order, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(interpreter.processPendingCommands(), 1u);
    EXPECT_EQ(order, (std::vector<int> { 1, 2, 3 }));
    EXPECT_EQ(interpreter.processPendingCommands(), 0u);
}

TEST_F(InterpreterTest, WaitingAnswersWhetherTheConditionHeldOrACommandCame)
{
    // Nothing arrives: the timeout ends the wait.
    EXPECT_FALSE(interpreter.processCommandsUntil([] { return false; }, 30ms));

    // A command from another thread makes the condition true.
    bool flag = false;
    std::thread sender(
        [&] { zvm::enqueueCommand(zvm::currentLocalInterpreter(), [&] { flag = true; }); });
    EXPECT_TRUE(interpreter.processCommandsUntil([&] { return flag; }, 10s));
    sender.join();

    // Another thread sets the condition without any command.
    std::atomic<bool> external { false };
    std::thread setter([&] { external = true; });
    EXPECT_TRUE(interpreter.processCommandsUntil([&] { return external.load(); }, 10s));
    setter.join();

    // Waiting for a command reports one queued from another thread without running it.
    EXPECT_FALSE(interpreter.waitForCommand(20ms));
    bool ran = false;
    std::thread queuer([&] { interpreter.enqueue([&] { ran = true; }); });
    EXPECT_TRUE(interpreter.waitForCommand(10s));
    queuer.join();
    EXPECT_FALSE(ran);
    EXPECT_EQ(interpreter.processPendingCommands(), 1u);
    EXPECT_TRUE(ran);

    // "For ever" does not overflow into "already over".
    flag = false;
    interpreter.enqueue([&] { flag = true; });
    EXPECT_TRUE(interpreter.waitForCommand(std::chrono::milliseconds::max()));
    EXPECT_TRUE(
        interpreter.processCommandsUntil([&] { return flag; }, std::chrono::milliseconds::max()));

    // A condition that already holds runs nothing.
    ran = false;
    interpreter.enqueue([&] { ran = true; });
    EXPECT_TRUE(interpreter.processCommandsUntil([] { return true; }, 10s));
    EXPECT_FALSE(ran);
    EXPECT_FALSE(interpreter.processCommandsUntil(nullptr, 10ms));
}

TEST_F(InterpreterTest, AThrowingCommandReachesTheCallerAndTheQueueStaysUsable)
{
    bool after = false;
    interpreter.enqueue([] { throw std::runtime_error("command failure"); });
    interpreter.enqueue([&] { after = true; });

    EXPECT_THROW(interpreter.processPendingCommands(), std::runtime_error);
    EXPECT_FALSE(after);
    EXPECT_EQ(interpreter.pendingCommands(), 1u);
    EXPECT_EQ(interpreter.processPendingCommands(), 1u);
    EXPECT_TRUE(after);

    interpreter.enqueue([] { throw std::logic_error("again"); });
    EXPECT_THROW(interpreter.processCommandsUntil([] { return false; }, 10s), std::logic_error);
    EXPECT_TRUE(interpreter.enqueue([] {}));
    EXPECT_EQ(interpreter.processPendingCommands(), 1u);
}

TEST_F(InterpreterTest, OnlyTheLiveSessionsHandleOfAnOpenQueueTakesCommands)
{
    void* session = zvm::currentLocalInterpreter();
    int ran = 0;
    EXPECT_FALSE(zvm::enqueueCommand(nullptr, [&] { ++ran; }));
    int foreign = 0;
    EXPECT_FALSE(zvm::enqueueCommand(&foreign, [&] { ++ran; }));
    EXPECT_FALSE(zvm::enqueueCommand(session, nullptr));

    interpreter.endSession();
    EXPECT_EQ(zvm::currentLocalInterpreter(), nullptr);
    EXPECT_FALSE(zvm::enqueueCommand(session, [&] { ++ran; }));
    interpreter.startSession();
    EXPECT_EQ(zvm::currentLocalInterpreter(), session);

    // Closing discards what waits and refuses more until opened again.
    EXPECT_TRUE(zvm::enqueueCommand(session, [&] { ran += 100; }));
    interpreter.close();
    EXPECT_EQ(interpreter.pendingCommands(), 0u);
    EXPECT_FALSE(zvm::enqueueCommand(session, [&] { ++ran; }));
    interpreter.open();
    EXPECT_TRUE(zvm::enqueueCommand(session, [&] { ++ran; }));
    EXPECT_EQ(interpreter.processPendingCommands(), 1u);
    EXPECT_EQ(ran, 1);
}

} // namespace
