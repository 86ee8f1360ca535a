#include "tests/progress/ProgressTestSupport.h"

#include "host/Interpreter.h"
#include "tests/support/GuiThreadRunner.h"

#include <chrono>

namespace vxtest {

bool waitUntil(const std::function<bool()>& done)
{
    return VXHost::Interpreter::instance().processCommandsUntil(done, std::chrono::seconds(10));
}

bool waitUntilOnGui(const std::function<bool()>& done)
{
    return waitUntil([&done] {
        bool held = false;
        return runOnGuiThread([&] { held = done(); }) && held;
    });
}

} // namespace vxtest
