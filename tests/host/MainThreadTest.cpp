#include "engine/HostFunctions.h"
#include "host/MainThreadQueue.h"
#include "tests/support/GuiThreadRunner.h"

#include <QCoreApplication>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Static initialisation runs on the process's main thread, before runHost.
const std::thread::id processMainThread = std::this_thread::get_id();

// State that one thread changes and another waits on.
struct Monitor {
    std::mutex mutex;
    std::condition_variable changed;

    template <class F> void publish(F change)
    {
        // Notified under the lock: the waiter may destroy this state as soon as it wakes.
        std::lock_guard<std::mutex> lock(mutex);
        change();
        changed.notify_all();
    }
    template <class P> bool waitUntil(P predicate)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(20), predicate);
    }
};

// What the main-thread requests of one test saw.
struct Log : Monitor {
    struct Entry {
        int poster;
        int sequence;
        std::thread::id thread;
    };
    std::vector<Entry> entries;

    void add(int poster, int sequence)
    {
        publish([&] { entries.push_back({ poster, sequence, std::this_thread::get_id() }); });
    }
    bool waitFor(std::size_t count)
    {
        return waitUntil([&] { return entries.size() >= count; });
    }
};

struct Request {
    Log* log;
    int poster;
    int sequence;
};

void record(void* argument)
{
    auto* request = static_cast<Request*>(argument);
    request->log->add(request->poster, request->sequence);
}

TEST(MainThread, RequestsFromSeveralThreadsRunOnTheMainThreadInTheOrderEachMadeThem)
{
    ASSERT_NE(std::this_thread::get_id(), processMainThread) << "tests must run as the engine";
    constexpr int posters = 4;
    constexpr int perPoster = 200;
    Log log;
    std::vector<std::vector<Request>> requests(posters);
    for (int p = 0; p < posters; ++p)
        for (int i = 0; i < perPoster; ++i)
            requests[p].push_back({ &log, p, i });

    std::vector<std::thread> threads;
    for (int p = 1; p < posters; ++p)
        threads.emplace_back([&, p] {
            for (Request& request : requests[p])
                zcr_run_on_main_thread(record, &request);
        });
    for (Request& request : requests[0])
        zcr_run_on_main_thread(record, &request);
    for (auto& thread : threads)
        thread.join();

    ASSERT_TRUE(log.waitFor(posters * perPoster));
    std::lock_guard<std::mutex> lock(log.mutex);
    std::vector<int> next(posters, 0);
    for (const auto& entry : log.entries) {
        EXPECT_EQ(entry.thread, processMainThread);
        EXPECT_EQ(entry.sequence, next[entry.poster]) << "poster " << entry.poster;
        next[entry.poster] = entry.sequence + 1;
    }
    EXPECT_EQ(VXHost::MainThreadQueue::instance().servingThread(), processMainThread);
}

TEST(MainThread, ARequestMadeWhileOneRunsWaitsForItAndAThrowingOneDoesNotStopTheQueue)
{
    Log log;
    Request inner { &log, 0, 2 };
    Request outer { &log, 0, 1 };
    auto& queue = VXHost::MainThreadQueue::instance();
    ASSERT_TRUE(queue.post([&] { throw std::runtime_error("request failure"); }));
    ASSERT_TRUE(queue.post([&] {
        zcr_run_on_main_thread(record, &inner);
        record(&outer);
    }));
    zcr_run_on_main_thread(nullptr, &outer); // ignored

    ASSERT_TRUE(log.waitFor(2));
    std::lock_guard<std::mutex> lock(log.mutex);
    ASSERT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(log.entries[0].sequence, 1);
    EXPECT_EQ(log.entries[1].sequence, 2);
    EXPECT_FALSE(queue.post(nullptr));
}

// A plain application with its event loop on the main thread, as the toolkit's GUI thread has.
struct MainThreadApplication : Monitor {
    QCoreApplication* application = nullptr;
    bool finished = false;

    static void run(void* self)
    {
        auto* state = static_cast<MainThreadApplication*>(self);
        static char name[] = "host_tests";
        static char* argv[] = { name, nullptr };
        static int argc = 1;
        {
            QCoreApplication application(argc, argv);
            state->publish([&] { state->application = &application; });
            application.exec();
            state->publish([&] { state->application = nullptr; });
        }
        state->publish([&] { state->finished = true; });
    }
};

bool ranWithoutApplication = false;

TEST(GuiThreadRunner, WithoutAnApplicationTheTestFailsAndNothingRuns)
{
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_NONFATAL_FAILURE(
        vxtest::runOnGuiThread([] { ranWithoutApplication = true; }), "no application");
    EXPECT_FALSE(ranWithoutApplication);
}

TEST(GuiThreadRunner, RunsClosuresToCompletionOnTheApplicationThread)
{
    MainThreadApplication state;
    zcr_run_on_main_thread(&MainThreadApplication::run, &state);
    ASSERT_TRUE(state.waitUntil([&] { return state.application != nullptr; }));

    std::thread::id seen;
    int steps = 0;
    EXPECT_TRUE(vxtest::runOnGuiThread([&] {
        seen = std::this_thread::get_id();
        ++steps;
    }));
    EXPECT_EQ(seen, processMainThread);
    EXPECT_EQ(steps, 1) << "returned before the closure finished";

    // Already on the application's thread: a direct call, not a self-deadlock.
    std::thread::id nested;
    EXPECT_TRUE(vxtest::runOnGuiThread(
        [&] { vxtest::runOnGuiThread([&] { nested = std::this_thread::get_id(); }); }));
    EXPECT_EQ(nested, processMainThread);

    EXPECT_NONFATAL_FAILURE(
        vxtest::runOnGuiThread([] { throw std::runtime_error("closure failure"); }),
        "closure failure");

    vxtest::runOnGuiThread([] { QCoreApplication::quit(); });
    EXPECT_TRUE(state.waitUntil([&] { return state.finished; }));
}

} // namespace
