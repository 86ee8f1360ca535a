#include "tests/bridge/BridgeTestEnvironment.h"

#include "engine/VXBridge.h"
#include "engine/VXEvent.h"
#include "host/Interpreter.h"
#include "tests/support/EngineExitHooks.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/StringID.h"

#include <gtest/gtest.h>

namespace vxtest {

VXBridge* bridge()
{
    static VXBridge* const started = [] {
        VXBridge* b = VXBridge::getBridge(VRIX::StringID("qt"));
        atEngineExit([b] {
            if (b)
                b->quit(); // a second quit (after the shutdown test) finds nothing to do
            VXBridge::destroyBridges();
        });
        return b;
    }();
    return started;
}

std::size_t runEngineCommands()
{
    return VXHost::Interpreter::instance().processPendingCommands();
}

std::size_t queuedEngineCommands()
{
    return VXHost::Interpreter::instance().pendingCommands();
}

void raiseEvents(VXWidget* proxy, std::initializer_list<int> values, VXEventType type)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        for (int value : values) {
            auto* event = new VXEvent(type, proxy);
            event->setValue(value);
            event->doEvent();
        }
    }));
}

} // namespace vxtest
