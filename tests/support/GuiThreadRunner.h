#pragma once

#include <functional>

namespace vxtest {

/// Runs closures on the thread that owns the application object (the GUI thread), for tests
/// on the engine thread that click, type or inspect widgets. Called from any thread.
class GuiThreadRunner {
public:
    /// Runs `work` there and returns when it has finished: directly when already on that
    /// thread, else through a blocking queued call (the GUI event loop must be running).
    /// Without an application the test fails with a message and `work` does not run; an
    /// exception thrown by `work` fails the test instead of crossing threads. False when
    /// `work` did not run to completion.
    static bool run(const std::function<void()>& work);
};

/// Shorthand for GuiThreadRunner::run.
inline bool runOnGuiThread(const std::function<void()>& work)
{
    return GuiThreadRunner::run(work);
}

} // namespace vxtest
