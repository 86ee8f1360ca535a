#include "tests/support/GuiThreadRunner.h"
#include "engine/HostFunctions.h"

#include <QCoreApplication>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

const std::thread::id processMainThread = std::this_thread::get_id();

// A plain application with its event loop on the main thread, as the toolkit's GUI thread has.
struct MainThreadApplication {
    std::mutex mutex;
    std::condition_variable changed;
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
