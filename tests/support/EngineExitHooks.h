#pragma once

#include <functional>
#include <mutex>
#include <vector>

namespace vxtest {

/// Work that must run on the engine thread after the last test and before the engine returns
/// (the bridge's quit, so the main thread gets free). Registered from any thread, run by
/// EngineTestMain on the engine thread.
class EngineExitHooks {
public:
    static EngineExitHooks& instance();

    void add(std::function<void()> hook);
    /// Runs the hooks, the latest registered first, until none is left (a hook may register
    /// another). A hook that throws is reported on stderr; the rest still run. Returns how many
    /// threw.
    int runAll();

private:
    EngineExitHooks() = default;

    std::mutex m_mutex;
    std::vector<std::function<void()>> m_hooks;
};

/// Registers `hook` to run on the engine thread when the test binary's tests are done.
void atEngineExit(std::function<void()> hook);
/// main() of a binary whose tests run as the engine thread under the host: the tests, then the
/// exit hooks; fails when either did.
int runEngineTests(int argc, char** argv);

} // namespace vxtest
