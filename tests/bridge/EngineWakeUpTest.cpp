// The engine thread's serving of its queue: whatever reached the queue while a pass ran is
// served before the command returns or has a command of its own, never left for an unrelated
// wake-up.
#include "engine/EngineThreadScheduler.h"
#include "engine/VXButton.h"
#include "host/Interpreter.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/vxim/Connect.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

using testing::ElementsAre;
using vxtest::runEngineCommands;

namespace {

// Engine thread: records what reaches it through its own connection.
struct Probe : VXIM::Listener {
    ~Probe() override { disconnect(); }
    void take(int v)
    {
        values.push_back(v);
        if (v == throwOn)
            throw std::runtime_error("slot failed");
    }
    std::vector<int> values;
    int throwOn = -1;
};

class EngineWakeUpTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(vxtest::bridge(), nullptr);
        while (runEngineCommands() > 0) { }
        VXIM::connect(m_emitter, &m_probe, &Probe::take, VXIM::Thread::getCurrentThread());
    }
    void TearDown() override
    {
        m_probe.disconnect();
        while (runEngineCommands() > 0) { }
    }

    // Emitted on the GUI thread, as widgets do.
    void emitFromGui(std::initializer_list<int> values)
    {
        ASSERT_TRUE(vxtest::runOnGuiThread([&] {
            for (int v : values)
                m_emitter(v);
        }));
    }

    VXIM::Emitter1<int> m_emitter;
    Probe m_probe;
};

TEST_F(EngineWakeUpTest, PacketArrivingWhileAListenerReentersTheInterpreterIsServedInTheSameRun)
{
    VXButton button(nullptr);
    int nestedCommands = 0;
    vxtest::EventLog reentrant([&](const VXEvent*) {
        // A packet arrives, and the host runs interpreter commands from inside the listener:
        // the wake-up command for that packet runs nested, while a pass is under way.
        emitFromGui({ 7 });
        nestedCommands = static_cast<int>(VXHost::Interpreter::instance().processPendingCommands());
    });
    button.addEventListener(&reentrant, ButtonPressEvent);
    vxtest::raiseEvents(&button, { 1 });

    runEngineCommands();
    EXPECT_THAT(reentrant.values(), ElementsAre(1));
    EXPECT_EQ(nestedCommands, 1) << "the packet's wake-up ran nested";
    EXPECT_THAT(m_probe.values, ElementsAre(7)) << "served before the outer command returned";
    EXPECT_EQ(vxtest::queuedEngineCommands(), 0u);
    EXPECT_EQ(pendingEngineTickles(), 0);
}

TEST_F(EngineWakeUpTest, PacketsBehindAFailingSlotHaveAWakeUpOfTheirOwn)
{
    m_probe.throwOn = 1;
    emitFromGui({ 1, 2, 3 });
    EXPECT_THROW(runEngineCommands(), std::runtime_error);
    EXPECT_THAT(m_probe.values, ElementsAre(1));

    // Nothing new is emitted: the rest is served by the wake-up the failure left behind.
    EXPECT_EQ(vxtest::queuedEngineCommands(), 1u);
    runEngineCommands();
    EXPECT_THAT(m_probe.values, ElementsAre(1, 2, 3));
}

} // namespace
