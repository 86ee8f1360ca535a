// Progress bars driven by the host through their emitters.
#include "engine/VXPanel.h"
#include "engine/VXProgressBar.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiProgressBar.h"

#include <tuple>

using namespace testing;
using namespace vxtest;

namespace {

using ProgressBarTest = WidgetLeakTest;

TEST_F(ProgressBarTest, EmittersSetRangeAndValueInOrder)
{
    VXProgressBar* bar = own(new VXProgressBar("qt", nullptr));
    bar->setMinimumEmitter(10);
    bar->setMaximumEmitter(20);
    for (int v = 10; v <= 17; ++v)
        bar->setValueEmitter(v);
    ASSERT_TRUE(pumpUntilOnGui([bar] {
        auto* gui = widgetOf<GuiProgressBar>(bar);
        return gui && gui->value() == 17;
    }));
    ASSERT_TRUE(onWidget<GuiProgressBar>(bar, [](GuiProgressBar* gui) {
        EXPECT_EQ(std::make_tuple(gui->minimum(), gui->maximum(), gui->value()),
            std::make_tuple(10, 20, 17));
    }));
}

TEST_F(ProgressBarTest, BarGoesWithItsProxyWhileUpdatesAreStillQueued)
{
    VXPanel noWidget; // a parent proxy without a GUI widget: the bar gets no parent widget
    auto child = std::make_unique<VXProgressBar>("qt", &noWidget);
    ASSERT_TRUE(onWidget<GuiProgressBar>(
        child.get(), [&](GuiProgressBar* bar) { EXPECT_EQ(bar->parentWidget(), nullptr); }));
    for (int v = 0; v < 1000; ++v)
        child->setValueEmitter(v % 100);
    const void* key = child.get();
    child.reset();
    EXPECT_TRUE(noWidget.getChildren().empty());
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiProgressBar>(key), nullptr); }));
}

TEST_F(ProgressBarTest, CreationForATargetThatIsNoProgressProxyBuildsNothing)
{
    const int before = bridge()->getHashedSize();
    int notAProxy = 0;
    QtBridge::send(new QtHandleMessage(&notAProxy, ProgressBarCreateMsg, nullptr));
    VXPanel wrongKind; // a live proxy, but not a progress bar
    QtBridge::send(new QtHandleMessage(&wrongKind, ProgressBarCreateMsg, nullptr));
    QtBridge::send(new QtHandleMessage(&wrongKind, ProgressDialogCreateMsg, nullptr));
    bridge()->createProgressBar(nullptr, nullptr);
    EXPECT_EQ(bridge()->getHashedSize(), before);
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(findWidget(&notAProxy), nullptr);
        EXPECT_EQ(findWidget(&wrongKind), nullptr);
    }));
}

} // namespace
