// What a host reads back from a window or group box is what it set: the 8-bit group box title
// arrives as Latin-1 bytes, and a plain main window carries no full-screen button hint.
#include "engine/VXBridge.h"
#include "engine/VXDialog.h"
#include "engine/VXGroupBox.h"
#include "engine/VXWindow.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/WidgetLeakTest.h"
#include "vx_qtgui/GuiWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

class TitlesAndFlagsTest : public vxtest::WidgetLeakTest { };

TEST_F(TitlesAndFlagsTest, GroupBoxTitleComesBackAsLatin1)
{
    VXDialog* dialog = own(vxtest::bridge()->createDialog(0));
    const std::u16string title = u"Caf\u00e9 \u00c5";
    VXGroupBox* box = own(vxtest::bridge()->createGroupBox(dialog, title));
    EXPECT_EQ(box->getTitle(), std::string("Caf\xe9 \xc5")) << "one byte per character";
    box->setTitle(u"plain");
    EXPECT_EQ(box->getTitle(), "plain");
}

TEST_F(TitlesAndFlagsTest, PlainMainWindowHasNoFullScreenButton)
{
    VXWindow* window = own(vxtest::bridge()->createWindow(0));
    bool fullScreenHint = true;
    bool isWindow = false;
    runOnGuiThread([&] {
        GuiWindow* gui = widgetOf<GuiWindow>(window);
        ASSERT_NE(gui, nullptr);
        isWindow = gui->isWindow();
        fullScreenHint = gui->windowFlags().testFlag(Qt::WindowFullscreenButtonHint);
    });
    EXPECT_TRUE(isWindow);
    EXPECT_FALSE(fullScreenHint);
}

} // namespace
