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
#include <QLayout>
#include <QMenu>
#include <QWidget>

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
    // Builds the widgets and makes the placements; the last one closes the cycle. Returns
    // every proxy whose GUI object is checked afterwards.
    std::function<std::vector<VXWidget*>(PlacementCycleTest&, VXBridge*)> build;
};

class PlacementCycleTest : public WidgetLeakTest, public testing::WithParamInterface<CycleCase> {
public:
    // Tool bars find the widgets they take by id.
    void registerById(VXWidget* proxy)
    {
        const unsigned id = proxy->getUID();
        ASSERT_TRUE(runOnGuiThread([&] { VRIX::addObject(id, findWidget(proxy)); }));
        m_ids.push_back(id);
    }

protected:
    void TearDown() override
    {
        for (unsigned id : m_ids)
            runOnGuiThread([&] { VRIX::removeObject(id); });
        WidgetLeakTest::TearDown();
    }

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
    const std::vector<VXWidget*> proxies = row.build(*this, bridge());
    // A synchronous round trip: the GUI thread is still answering.
    widgetCount();
    trace.stop();

    ASSERT_TRUE(runOnGuiThread([&] {
        for (VXWidget* proxy : proxies) {
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

const CycleCase kCases[] = {
    { "window_own_central", WNDSetCentralWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXWindow* w = t.own(b->createWindow(0));
            w->setCentralWidget(w);
            return { w };
        } },
    { "windows_each_others_central", WNDSetCentralWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXWindow* first = t.own(b->createWindow(0));
            VXWindow* second = t.own(b->createWindow(0));
            first->setCentralWidget(second);
            second->setCentralWidget(first);
            return { first, second };
        } },
    { "hbox_adds_its_own_widget", LAYHBoxAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* panel = t.own(b->createPanel(nullptr, "p"));
            VXHBoxLayout* row = t.own(b->createHBoxLayout(panel));
            row->addWidget(panel, 0);
            return { panel, row };
        } },
    { "vbox_adds_an_ancestor", LAYVBoxAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* outer = t.own(b->createPanel(nullptr, "outer"));
            VXPanel* inner = t.own(b->createPanel(outer, "inner"));
            VXVBoxLayout* column = t.own(b->createVBoxLayout(inner));
            column->addWidget(outer, 0);
            return { outer, inner, column };
        } },
    { "grid_adds_an_ancestor", LAYGridAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* outer = t.own(b->createPanel(nullptr, "outer"));
            VXPanel* inner = t.own(b->createPanel(outer, "inner"));
            VXGridLayout* grid = t.own(b->createGridLayout(inner, 2, 2));
            grid->addWidget(outer, 0, 0, 0, 0, 0);
            return { outer, inner, grid };
        } },
    { "grid_cell_adds_its_own_widget", LAYGridAddWidget2Msg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* panel = t.own(b->createPanel(nullptr, "p"));
            VXGridLayout* grid = t.own(b->createGridLayout(panel, 2, 2));
            grid->addWidget(panel, 1, 1, 0);
            return { panel, grid };
        } },
    { "layouts_hold_each_other", LAYVBoxAddLayoutMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXHBoxLayout* row = t.own(b->createHBoxLayout());
            VXVBoxLayout* column = t.own(b->createVBoxLayout());
            row->addLayout(column, 0);
            column->addLayout(row, 0);
            return { row, column };
        } },
    { "hbox_adds_itself", LAYHBoxAddLayoutMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* panel = t.own(b->createPanel(nullptr, "p"));
            VXHBoxLayout* row = t.own(b->createHBoxLayout(panel));
            row->addLayout(row, 0);
            return { panel, row };
        } },
    { "grid_adds_a_layout_holding_its_widget", LAYGridAddLayoutMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* panel = t.own(b->createPanel(nullptr, "p"));
            VXGridLayout* grid = t.own(b->createGridLayout(panel, 2, 2));
            VXHBoxLayout* loose = t.own(b->createHBoxLayout());
            loose->addWidget(panel, 0); // a free layout has nothing to loop through yet
            grid->addLayout(loose, 0, 0, 0, 0, 0);
            return { panel, grid, loose };
        } },
    { "scroll_view_holds_itself", SVAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* root = t.own(b->createPanel(nullptr, "root"));
            VXScrollView* scroll = t.own(b->createScrollView(root));
            scroll->addWidget(scroll);
            return { root, scroll };
        } },
    { "scroll_view_holds_an_ancestor", SVAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* root = t.own(b->createPanel(nullptr, "root"));
            VXScrollView* scroll = t.own(b->createScrollView(root));
            scroll->addWidget(root);
            return { root, scroll };
        } },
    { "stack_page_is_an_ancestor", WSAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* root = t.own(b->createPanel(nullptr, "root"));
            VXWidgetStack* stack = t.own(b->createWidgetStack(root));
            stack->addWidget(root, 0);
            return { root, stack };
        } },
    { "tab_holds_the_bar_it_joins", TABBARAddTabMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPanel* root = t.own(b->createPanel(nullptr, "root"));
            VXTabBar* outer = t.own(b->createTabBar(root));
            VXTab* tab = t.own(b->createTab(outer));
            outer->addTab(tab);
            VXTabBar* inner = t.own(b->createTabBar(tab));
            inner->addTab(tab);
            return { root, outer, tab, inner };
        } },
    { "tool_bar_holds_its_window", TOOLAddWidgetMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXWindow* window = t.own(b->createWindow(0));
            VXToolBar* bar = t.own(b->createToolBar(window));
            t.registerById(window);
            bar->addWidget(window);
            return { window, bar };
        } },
    { "menu_opens_itself", POPAddSubMenuMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPopupMenu* menu = t.own(b->createPopupMenu(nullptr));
            menu->addSubMenu(menu, u"Itself");
            return { menu };
        } },
    { "menus_open_each_other", POPAddSubMenuMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPopupMenu* first = t.own(b->createPopupMenu(nullptr));
            VXPopupMenu* second = t.own(b->createPopupMenu(nullptr));
            first->addSubMenu(second, u"Second");
            second->addSubMenu(first, u"First");
            return { first, second };
        } },
    { "menu_item_opens_a_menu_above", POPAddSubMenuItemMsg,
        [](PlacementCycleTest& t, VXBridge* b) -> std::vector<VXWidget*> {
            VXPopupMenu* top = t.own(b->createPopupMenu(nullptr));
            VXPopupMenu* middle = t.own(b->createPopupMenu(nullptr));
            VXPopupMenu* bottom = t.own(b->createPopupMenu(nullptr));
            top->addSubMenu(middle, u"Middle");
            middle->addSubMenu(bottom, u"Bottom");
            bottom->addSubMenuItem(top, u"Top", u"", false);
            return { top, middle, bottom };
        } },
};

INSTANTIATE_TEST_SUITE_P(Placements, PlacementCycleTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<CycleCase>& info) { return std::string(info.param.name); });

} // namespace
