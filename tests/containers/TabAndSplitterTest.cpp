// Tab bars and splitters: the user's tab change reaches the host once; the host's splitter
// moves reach the widget once, scaled.
#include "engine/VXCheckBox.h"
#include "engine/VXDialog.h"
#include "engine/VXPanel.h"
#include "engine/VXSplitter.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "tests/support/WidgetTest.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiPanel.h"
#include "vx_qtgui/GuiSplitter.h"
#include "vx_qtgui/GuiTab.h"
#include "vx_qtgui/GuiTabBar.h"

#include <QTabBar>

using namespace testing;
using namespace vxtest;

namespace {

class TabAndSplitterTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_dialog = own(bridge()->createDialog(0));
        m_dialog->setClientGeometry(0, 0, 500, 300);
    }

    VXTab* addTab(VXTabBar* bar, const char* name)
    {
        VXTab* tab = bridge()->createTab(bar);
        tab->setName(name);
        bar->addTab(tab);
        return tab;
    }

    VXDialog* m_dialog = nullptr;
};

TEST_F(TabAndSplitterTest, UserTabChangeReachesTheHostOnceAndHiddenTabsLeaveTheBar)
{
    VXTabBar* bar = bridge()->createTabBar(m_dialog);
    EventLog changes;
    bar->addEventListener(&changes, TABBARTabChangedEvent);
    addTab(bar, "One");
    VXTab* two = addTab(bar, "Two");
    addTab(bar, "Three");
    bar->addTab(two);
    bar->addTab(nullptr);
    bridge()->createCheckBox(two, "On page two");
    m_dialog->show();
    EXPECT_EQ(bar->getCurrentTab(), 0);
    EXPECT_EQ(two->getName(), u"Two");
    deliverEvents();
    EXPECT_THAT(changes.values(), IsEmpty()) << "adding pages is not the user's doing";

    ASSERT_TRUE(onWidget<GuiTabBar>(bar, [&](GuiTabBar* widget) {
        ASSERT_EQ(widget->count(), 3) << "a page added twice is there once";
        QTabBar* tabs = widget->findChild<QTabBar*>();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(2).center());
    }));
    deliverEvents();
    EXPECT_THAT(changes.values(), ElementsAre(2));
    EXPECT_EQ(bar->getCurrentTab(), 2);

    bar->setCurrentTab(1);
    bar->setCurrentTab(7);
    bar->imSetCurrentTab(-1);
    EXPECT_EQ(bar->getCurrentTab(), 1);
    deliverEvents();
    EXPECT_THAT(changes.values(), ElementsAre(2))
        << "quiet selection and bad indexes report nothing";
    bar->imSetCurrentTab(0);
    EXPECT_EQ(bar->getCurrentTab(), 0);
    deliverEvents();
    EXPECT_THAT(changes.values(), ElementsAre(2, 0));

    two->hide();
    EXPECT_FALSE(two->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiTabBar>(bar)->count(), 2); }));
    two->show();
    two->setEnabled(false);
    EXPECT_TRUE(two->isVisible());
    EXPECT_FALSE(two->isEnabled());
    ASSERT_TRUE(onWidget<GuiTabBar>(bar, [&](GuiTabBar* widget) {
        ASSERT_EQ(widget->count(), 3);
        EXPECT_EQ(widget->tabText(1), QStringLiteral("Two"));
        EXPECT_FALSE(widget->isTabEnabled(1));
    }));
}

TEST_F(TabAndSplitterTest, SplitterMovesReachTheWidgetOnceScaled)
{
    VXSplitter* splitter = bridge()->createSplitter(m_dialog, "VERTICAL", "split");
    bridge()->createPanel(splitter, "top");
    bridge()->createPanel(splitter, "bottom");
    m_dialog->show();
    int handle = 0;
    ASSERT_TRUE(onWidget<GuiSplitter>(splitter, [&](GuiSplitter* widget) {
        EXPECT_EQ(widget->orientation(), Qt::Vertical) << "the name is compared lower-cased";
        ASSERT_EQ(widget->count(), 2);
        handle = widget->handleWidth();
        VRIX::setDpiScale(1.5);
        widget->setOrientation(Qt::Horizontal);
        widget->resize(151 + 451 + handle, 100);
    }));

    splitter->setOrientationEmitter(VRIX::Vertical);
    splitter->setOrientationEmitter(VRIX::Horizontal);
    splitter->setSizesEmitter(std::vector<int> { 101, 301 });
    QList<int> sizes;
    EXPECT_TRUE(pumpUntil([&] {
        runOnGuiThread([&] { sizes = widgetOf<GuiSplitter>(splitter)->sizes(); });
        return sizes == QList<int>({ 151, 451 });
    })) << "sizes are scaled by 1.5 and truncated";
    ASSERT_TRUE(runOnGuiThread([&] {
        VRIX::setDpiScale(1.0);
        EXPECT_EQ(widgetOf<GuiSplitter>(splitter)->orientation(), Qt::Horizontal);
    }));
}

} // namespace
