#include "tests/support/EngineExitHooks.h"
#include "host/Interpreter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

TEST(EngineExitHooks, RunLatestFirstIncludingHooksAddedWhileRunningSurviveAThrowAndRunAtTheEnd)
{
    vxtest::EngineExitHooks& hooks = vxtest::EngineExitHooks::instance();
    ASSERT_EQ(hooks.runAll(), 0) << "nothing registered yet";

    std::string order;
    vxtest::atEngineExit([&] { order += 'A'; });
    vxtest::atEngineExit([] { throw std::runtime_error("hook failure"); });
    vxtest::atEngineExit([&] {
        order += 'B';
        vxtest::atEngineExit([&] { order += 'C'; });
    });
    vxtest::atEngineExit(nullptr);

    EXPECT_EQ(hooks.runAll(), 1);
    EXPECT_EQ(order, "BCA");
    EXPECT_EQ(hooks.runAll(), 0);

    // Checked when the binary ends: a hook that throws turns the exit code into a failure.
    vxtest::atEngineExit([] {
        if (!VXHost::Interpreter::instance().isEngineThread())
            throw std::runtime_error("exit hook ran off the engine thread");
    });
}

} // namespace
