// After the bridge quits, nothing reaches the GUI side: every message-box operation -1 or 0.
// The bridge cannot start twice in a process, so this runs in a binary of its own.
#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXEvent.h"
#include "messaging/QtBridge.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"

#include <gtest/gtest.h>

namespace {

TEST(BridgeShutdownTest, AfterQuitNothingIsCreatedAndBoxesAnswerFailure)
{
    auto* bridge = static_cast<QtBridge*>(vxtest::bridge());
    ASSERT_NE(bridge, nullptr);
    VXButton proxy(nullptr);
    vxtest::raiseEvents(&proxy, { 1, 2 }); // queued, then dropped by quit

    bridge->quit();
    EXPECT_EQ(QtBridge::m_thread, nullptr);
    EXPECT_EQ(VXBridge::getNextEvent(), nullptr) << "quit deletes the queued events";
    VXEvent::processPendingEvents();

    // Creation operations beyond the progress widgets are not on the bridge yet.
    EXPECT_EQ(bridge->destroyWidget(&proxy), 0);

    EXPECT_EQ(bridge->errorMessage(&proxy, "E", "t", false), -1);
    EXPECT_EQ(bridge->warningMessage(nullptr, u"W", u"t", true), -1);
    EXPECT_EQ(bridge->infoMessage(nullptr, "I", "t", false), -1);
    EXPECT_EQ(bridge->showModalAlert(nullptr, "A", u"t", "1", "", "", 1, ""), -1);
    EXPECT_EQ(bridge->showModalAlertU(nullptr, u"A", u"t", u"1", u"", u"", 1, u""), -1);
    EXPECT_EQ(bridge->getNumOfOpenMsgBox(&proxy), 0);
    bridge->closeMessageBox(0);
    EXPECT_EQ(bridge->getHashedSize(), 0);
    // Creations build nothing once the GUI side is gone.
    EXPECT_EQ(bridge->createButton(&proxy, "b"), nullptr);
    EXPECT_EQ(bridge->createButton(&proxy, u"b"), nullptr);
    EXPECT_EQ(bridge->createCheckBox(nullptr, "c"), nullptr);
    EXPECT_EQ(bridge->createCheckBox(nullptr, u"c"), nullptr);
    EXPECT_EQ(bridge->createRadioButton(&proxy), nullptr);
    EXPECT_EQ(bridge->createGroupedRadioButton(&proxy, 3), nullptr);
    EXPECT_EQ(bridge->createImageCheckBox(&proxy, "i"), nullptr);
}

} // namespace
