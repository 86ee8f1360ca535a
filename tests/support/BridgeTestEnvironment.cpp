#include "tests/support/BridgeTestEnvironment.h"

#include "engine/VXBridge.h"
#include "engine/VXEvent.h"
#include "host/Interpreter.h"
#include "tests/support/EngineExitHooks.h"
#include "vrix/StringID.h"
#include "vx_qtgui/GuiApplication.h"

#include <gtest/gtest.h>

#include <chrono>

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

namespace {
// Events raised on the GUI thread wake the engine once the GUI's current work is done; a
// round trip through its event loop lets the wake-ups it has put off go out first.
void letPutOffWakeUpsOut()
{
    if (QCoreApplication::instance())
        runOnGuiThread([] {});
}
} // namespace

std::size_t runEngineCommands()
{
    letPutOffWakeUpsOut();
    return VXHost::Interpreter::instance().processPendingCommands();
}

std::size_t queuedEngineCommands()
{
    letPutOffWakeUpsOut();
    return VXHost::Interpreter::instance().pendingCommands();
}

void deliverEvents()
{
    while (runEngineCommands() > 0) { }
}

bool pumpUntil(const std::function<bool()>& done)
{
    return VXHost::Interpreter::instance().processCommandsUntil(done, std::chrono::seconds(10));
}

bool pumpUntilOnGui(const std::function<bool()>& done)
{
    return pumpUntil([&done] {
        bool held = false;
        return runOnGuiThread([&] { held = done(); }) && held;
    });
}

GuiObject* findWidget(const void* proxy)
{
    return GuiApplication::findWidget(const_cast<void*>(proxy));
}

int widgetCount()
{
    return bridge()->getHashedSize();
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
