#pragma once

#include <chrono>
#include <functional>

class GuiThread;

namespace vxtest {

/// Starts the GUI thread the way the bridge does, once per test binary (engine thread), and
/// quits it when the tests are done. Tests then post and send through `guiThread()`.
void startGuiThreadOnce();
GuiThread* guiThread();

/// Runs `work` on the GUI thread through the messaging core and returns when it has run.
void runOnGui(const std::function<void()>& work);

/// Waits, yielding, until `done` holds; false when `timeout` passed first.
bool waitUntil(const std::function<bool()>& done,
    std::chrono::milliseconds timeout = std::chrono::seconds(20));

} // namespace vxtest
