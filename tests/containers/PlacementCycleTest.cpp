// Every operation that puts one widget, layout or menu inside another, asked to make a cycle:
// the GUI thread must stay responsive, no parent chain may loop, and the refusal is logged.
#include "engine/VXDebugOutputLogging.h"
#include "engine/VXGridLayout.h"
#include "engine/VXHBoxLayout.h"
#include "engine/VXPanel.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXScrollView.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "engine/VXToolBar.h"
#include "engine/VXVBoxLayout.h"
#include "engine/VXWidgetStack.h"
#include "engine/VXWindow.h"
#include "messaging/VXMessageType.h"
#include "tests/support/TraceCapture.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiLookup.h"
#include "vx_qtgui/GuiObject.h"

#include <QAction>
#include <QMenu>

#include <functional>
#include <set>
#include <string>
#include <vector>

using namespace testing;
using namespace vxtest;

namespace {

class PlacementCycleTest;

struct CycleCase {
    const char* name;
    VXMessageType refused;
    // Makes the placements, the last of which closes a cycle; proxies it makes go through make().
    std::function<void(PlacementCycleTest&)> build;
};

class PlacementCycleTest : public WidgetLeakTest, public testing::WithParamInterface<CycleCase> {
public:
    // Owns `proxy`; its GUI object is checked after the placements.
    template <class P> P* make(P* proxy)
    {
        m_made.push_back(proxy);
        return own(proxy);
    }

    // Tool bars find the widgets they take by id.
    void registerById(VXWidget* proxy)
    {
        const unsigned id = proxy->getUID();
        ASSERT_TRUE(runOnGuiThread([&] { VRIX::addObject(id, findWidget(proxy)); }));
        m_ids.push_back(id);
    }

    VXPanel* root = nullptr;
    VXPanel* inner = nullptr; // a child of root

protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        root = make(bridge()->createPanel(nullptr, "root"));
        inner = make(bridge()->createPanel(root, "inner"));
    }

    void TearDown() override
    {
        for (unsigned id : m_ids)
            runOnGuiThread([&] { VRIX::removeObject(id); });
        WidgetLeakTest::TearDown();
    }

    std::vector<VXWidget*> m_made;

private:
    std::vector<unsigned> m_ids;
};

// A parent chain (widgets, or layouts up to their widget) that reaches no end within a bound.
bool chainLoops(const QObject* object)
{
    int steps = 0;
    for (const QObject* up = object; up; up = up->parent()) {
        if (++steps > 10000)
            return true;
    }
    return false;
}

bool menuLoops(const QMenu* root)
{
    std::vector<const QMenu*> pending;
    for (const QAction* action : root->actions())
        if (action->menu())
            pending.push_back(action->menu());
    std::set<const QMenu*> seen;
    while (!pending.empty()) {
        const QMenu* menu = pending.back();
        pending.pop_back();
        if (menu == root)
            return true;
        if (!seen.insert(menu).second)
            continue;
        for (const QAction* action : menu->actions())
            if (action->menu())
                pending.push_back(action->menu());
    }
    return false;
}

TEST_P(PlacementCycleTest, IsRefusedAndLogged)
{
    const CycleCase& row = GetParam();
    TraceCapture trace;
    ASSERT_TRUE(trace.start());
    row.build(*this);
    // A synchronous round trip: the GUI thread is still answering.
    widgetCount();
    trace.stop();

    ASSERT_TRUE(runOnGuiThread([&] {
        for (VXWidget* proxy : m_made) {
            auto* object = dynamic_cast<QObject*>(findWidget(proxy));
            ASSERT_NE(object, nullptr);
            EXPECT_FALSE(chainLoops(object)) << row.name;
            if (auto* menu = qobject_cast<QMenu*>(object)) {
                EXPECT_FALSE(menuLoops(menu)) << row.name;
            }
        }
    }));

    const QString log = trace.text();
    const QString expected = QString::asprintf("placement refused - %d %s: ", int(row.refused),
        VXDebugOutputLogging::messageNameOrUnknown(row.refused));
    EXPECT_EQ(log.count(expected), 1) << row.name << "\n" << log.toStdString();
}

using Fixture = PlacementCycleTest;

const CycleCase kCases[] = {
    { "windows_each_others_central", WNDSetCentralWidgetMsg,
        [](Fixture& t) {
            VXWindow* first = t.make(bridge()->createWindow(0));
            VXWindow* second = t.make(bridge()->createWindow(0));
            first->setCentralWidget(second);
            second->setCentralWidget(first);
        } },
    { "hbox_adds_its_own_widget", LAYHBoxAddWidgetMsg,
        [](Fixture& t) { t.make(bridge()->createHBoxLayout(t.root))->addWidget(t.root, 0); } },
    { "vbox_adds_an_ancestor", LAYVBoxAddWidgetMsg,
        [](Fixture& t) { t.make(bridge()->createVBoxLayout(t.inner))->addWidget(t.root, 0); } },
    { "grid_adds_an_ancestor", LAYGridAddWidgetMsg,
        [](Fixture& t) {
            t.make(bridge()->createGridLayout(t.inner, 2, 2))->addWidget(t.root, 0, 0, 0, 0, 0);
        } },
    { "grid_cell_adds_its_own_widget", LAYGridAddWidget2Msg,
        [](Fixture& t) {
            t.make(bridge()->createGridLayout(t.root, 2, 2))->addWidget(t.root, 1, 1, 0);
        } },
    { "layouts_hold_each_other", LAYVBoxAddLayoutMsg,
        [](Fixture& t) {
            VXHBoxLayout* row = t.make(bridge()->createHBoxLayout());
            VXVBoxLayout* column = t.make(bridge()->createVBoxLayout());
            row->addLayout(column, 0);
            column->addLayout(row, 0);
        } },
    { "hbox_adds_itself", LAYHBoxAddLayoutMsg,
        [](Fixture& t) {
            VXHBoxLayout* row = t.make(bridge()->createHBoxLayout(t.root));
            row->addLayout(row, 0);
        } },
    { "grid_adds_a_layout_holding_its_widget", LAYGridAddLayoutMsg,
        [](Fixture& t) {
            VXGridLayout* grid = t.make(bridge()->createGridLayout(t.root, 2, 2));
            VXHBoxLayout* loose = t.make(bridge()->createHBoxLayout());
            loose->addWidget(t.root, 0); // a free layout has nothing to loop through yet
            grid->addLayout(loose, 0, 0, 0, 0, 0);
        } },
    { "scroll_view_holds_an_ancestor", SVAddWidgetMsg,
        [](Fixture& t) { t.make(bridge()->createScrollView(t.inner))->addWidget(t.root); } },
    { "stack_page_is_an_ancestor", WSAddWidgetMsg,
        [](Fixture& t) { t.make(bridge()->createWidgetStack(t.root))->addWidget(t.root, 0); } },
    { "tab_holds_the_bar_it_joins", TABBARAddTabMsg,
        [](Fixture& t) {
            VXTabBar* outer = t.make(bridge()->createTabBar(t.root));
            VXTab* tab = t.make(bridge()->createTab(outer));
            outer->addTab(tab);
            t.make(bridge()->createTabBar(tab))->addTab(tab);
        } },
    { "tool_bar_holds_its_window", TOOLAddWidgetMsg,
        [](Fixture& t) {
            VXWindow* window = t.make(bridge()->createWindow(0));
            t.registerById(window);
            t.make(bridge()->createToolBar(window))->addWidget(window);
        } },
    { "menu_opens_itself", POPAddSubMenuMsg,
        [](Fixture& t) {
            VXPopupMenu* menu = t.make(bridge()->createPopupMenu(nullptr));
            menu->addSubMenu(menu, u"Itself");
        } },
    { "menu_item_opens_a_menu_above", POPAddSubMenuItemMsg,
        [](Fixture& t) {
            VXPopupMenu* top = t.make(bridge()->createPopupMenu(nullptr));
            VXPopupMenu* middle = t.make(bridge()->createPopupMenu(nullptr));
            VXPopupMenu* bottom = t.make(bridge()->createPopupMenu(nullptr));
            top->addSubMenu(middle, u"Middle");
            middle->addSubMenu(bottom, u"Bottom");
            bottom->addSubMenuItem(top, u"Top", u"", false);
        } },
};

INSTANTIATE_TEST_SUITE_P(Placements, PlacementCycleTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<CycleCase>& info) { return std::string(info.param.name); });

} // namespace
