// Actions, tool bars and popup menus driven by the host through the bridge and used by the
// user; popup menus filled by the host, rebuilt just before they show.
#include "engine/VXAction.h"
#include "engine/VXButton.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXToolBar.h"
#include "tests/support/WidgetTest.h"
#include "vrix/vxim/Connect.h"
#include "vrix/vxim/Listener.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/GuiAction.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiLookup.h"
#include "vx_qtgui/GuiPopupMenu.h"
#include "vx_qtgui/GuiToolBar.h"

#include <QApplication>
#include <QStringList>
#include <QToolButton>

#include <functional>
#include <string>
#include <vector>

using namespace testing;
using namespace vxtest;

namespace {

class ActionTest : public WidgetLeakTest {
protected:
    std::unique_ptr<VXAction> makeAction(
        VXWidget* parent, const char* text, const char* accel, bool toggle, bool on = false)
    {
        std::unique_ptr<VXAction> action(bridge()->createAction(
            parent, 7, "run()", text, accel, "", "Runs it", "", "", toggle, on, true, true));
        m_log.watch(action.get(), { ActionTriggered, ActionToggled });
        return action;
    }

    std::unique_ptr<VXToolBar> makeShownToolBar()
    {
        std::unique_ptr<VXToolBar> bar(bridge()->createToolBar(nullptr));
        m_log.watch(bar.get(), { TBVisibilityChangedEvent });
        bar->show();
        return bar;
    }

    // GUI thread: the tool button the bar shows for the action.
    static QToolButton* buttonFor(VXToolBar* bar, VXAction* action)
    {
        return qobject_cast<QToolButton*>(
            widgetOf<GuiToolBar>(bar)->widgetForAction(widgetOf<GuiAction>(action)));
    }

    // The log as one line, a word per event; a toggle's value and state must agree.
    std::string transcript() const
    {
        std::string line;
        for (const SeenEvent& e : m_log.events) {
            const char* word = e.type == ActionTriggered ? "triggered"
                : e.type == ActionToggled
                ? (e.value == int(e.state) ? (e.state ? "on" : "off") : "toggled?")
                : e.type == TBVisibilityChangedEvent ? (e.state ? "shown" : "hidden")
                                                     : "other";
            line += (line.empty() ? "" : " ") + std::string(word);
        }
        return line;
    }

    EventLog m_log;
};

TEST_F(ActionTest, ToolBarClickTriggersOnceWithTheActionsValues)
{
    auto bar = makeShownToolBar();
    auto action = makeAction(bar.get(), "&Run...", "Ctrl+R", false);
    bar->addAction(action.get());

    EXPECT_EQ(action->getId(), 7);
    EXPECT_EQ(action->getCommand(), u"run()");
    EXPECT_EQ(action->getText(), u"&Run...");
    EXPECT_EQ(action->getToolTip(), u"Run") << "no explicit tip: the text without & and ...";
    EXPECT_EQ(action->getAccel(), u"Ctrl+R");
    EXPECT_EQ(action->getStatusTip(), u"Runs it");
    EXPECT_TRUE(action->isEnabled());
    EXPECT_TRUE(action->isVisible());
    EXPECT_FALSE(action->isToggleAction());

    ASSERT_TRUE(runOnGuiThread([&] {
        QToolButton* button = buttonFor(bar.get(), action.get());
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }));
    deliverEvents();
    ASSERT_EQ(transcript(), "triggered");
    EXPECT_EQ(m_log.events[0].source, action.get());

    // An explicit tip stays when the text changes; an empty one falls back to the text.
    action->setToolTip(u"Start the run");
    action->setText(u"&Go...");
    EXPECT_EQ(action->getToolTip(), u"Start the run");
    action->setToolTip(u"");
    EXPECT_EQ(action->getToolTip(), u"&Go...");

    action->setEnabled(false);
    action->trigger();
    EXPECT_FALSE(action->isEnabled());
    action->hide();
    EXPECT_FALSE(action->isVisible());
    deliverEvents();
    EXPECT_EQ(transcript(), "triggered triggered")
        << "a disabled action still does as the host asks";
}

TEST_F(ActionTest, CheckableActionReportsTogglesAndSetOnNotifiesOnlyWhenAsked)
{
    auto bar = makeShownToolBar();
    auto action = makeAction(bar.get(), "Grid", "", true);
    bar->addAction(action.get());
    EXPECT_TRUE(action->isToggleAction());
    EXPECT_FALSE(action->isOn());

    ASSERT_TRUE(runOnGuiThread([&] {
        QToolButton* button = buttonFor(bar.get(), action.get());
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
    }));
    deliverEvents();
    EXPECT_EQ(transcript(), "on off") << "a toggle action never triggers";

    m_log.events.clear();
    action->setOn(true, false);
    EXPECT_TRUE(action->isOn());
    action->setOn(true, true);
    EXPECT_TRUE(action->isOn());
    deliverEvents();
    EXPECT_EQ(transcript(), "") << "a silent setOn and one that changes nothing post nothing";

    action->setOn(false, true);
    action->trigger(); // ignored on a toggle action
    action->toggle();
    EXPECT_TRUE(action->isOn());
    deliverEvents();
    EXPECT_EQ(transcript(), "off on");
}

TEST_F(ActionTest, PlainActionIgnoresToggleRequestsUntilItBecomesAToggleAction)
{
    auto on = makeAction(nullptr, "Snap", "", true, true);
    EXPECT_TRUE(on->isOn()) << "created on: checked without a report";
    EXPECT_TRUE(on->getFlag1());
    EXPECT_TRUE(on->getFlag2());
    auto action = makeAction(nullptr, "Plain", "", false);
    action->setOn(true, true);
    action->toggle();
    EXPECT_FALSE(action->isOn());
    deliverEvents();
    EXPECT_EQ(transcript(), "");

    action->trigger();
    action->setToggleAction(true);
    action->trigger(); // now a toggle action: left alone
    action->toggle();
    EXPECT_TRUE(action->isOn());
    deliverEvents();
    EXPECT_EQ(transcript(), "triggered on");
}

TEST_F(ActionTest, ShortcutsTriggerAndASharedShortcutFiresBoth)
{
    auto bar = makeShownToolBar();
    auto first = makeAction(bar.get(), "First", "Ctrl+K", false);
    auto second = makeAction(bar.get(), "Second", "", false);
    bar->addAction(first.get());
    bar->addAction(second.get());

    const auto pressCtrl = [&](Qt::Key key) {
        ASSERT_TRUE(onFocusedWidget<GuiToolBar>(
            bar.get(), [&](GuiToolBar* w) { QTest::keyClick(w, key, Qt::ControlModifier); }));
        deliverEvents();
    };

    pressCtrl(Qt::Key_K);
    ASSERT_EQ(m_log.events.size(), 1u);
    EXPECT_EQ(m_log.events[0].source, first.get());

    // Qt hands an ambiguous key to one of the actions per press, in turn; each one fires.
    second->setAccel(u"Ctrl+K");
    pressCtrl(Qt::Key_K);
    pressCtrl(Qt::Key_K);
    ASSERT_EQ(m_log.events.size(), 3u) << "an ambiguous shortcut still fires";
    std::vector<VXWidget*> sources { m_log.events[1].source, m_log.events[2].source };
    EXPECT_THAT(sources, testing::UnorderedElementsAre(first.get(), second.get()));

    first->setAccel(u"Ctrl+J");
    pressCtrl(Qt::Key_J);
    ASSERT_EQ(m_log.events.size(), 4u);
    EXPECT_EQ(m_log.events[3].source, first.get());
}

TEST_F(ActionTest, ToolBarTakesStylesLabelsAndWidgetsButNoBadHandleAndReportsUserHides)
{
    auto bar = makeShownToolBar();
    std::unique_ptr<VXButton> button(bridge()->createButton(nullptr, "Extra"));
    bar->setLabel(u"Tools");
    bar->setButtonStyle("TextUnderIcon");
    bar->addSeparator();
    EXPECT_EQ(widgetCount(), m_startCount + 2);
    ASSERT_TRUE(runOnGuiThread(
        [&] { VRIX::addObject(button->getUID(), widgetOf<GuiButton>(button.get())); }));
    bar->addWidget(button.get());
    bar->setButtonStyle("sideways"); // unknown: unchanged
    bar->hide();
    bar->show();
    EXPECT_EQ(widgetCount(), m_startCount + 3) << "the id registry counts too";
    // Bad and stale handles add nothing.
    auto kept = makeAction(nullptr, "Kept", "", false);
    bar->addAction(nullptr);
    bar->addWidget(nullptr);
    bar->addWidget(kept.get()); // registered under no id
    bar->setButtonStyle(nullptr);
    VXAction* gone = makeAction(nullptr, "Gone", "", false).release();
    delete gone;
    bar->addAction(gone); // a stale handle finds no widget
    ASSERT_TRUE(onWidget<GuiToolBar>(bar.get(), [&](GuiToolBar* widget) {
        EXPECT_EQ(widget->windowTitle(), QStringLiteral("Tools"));
        EXPECT_EQ(widget->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        EXPECT_EQ(widgetOf<GuiButton>(button.get())->parentWidget(), widget);
        EXPECT_EQ(widget->actions().size(), 2) << "the separator and the button only";
    }));
    deliverEvents();
    EXPECT_EQ(transcript(), "") << "the host's own hide and show are not reported";

    ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiToolBar>(bar.get())->hide(); }));
    deliverEvents();
    EXPECT_EQ(transcript(), "hidden");

    ASSERT_TRUE(runOnGuiThread([&] { VRIX::removeObject(button->getUID()); }));
    bar.reset(); // takes the button's widget with it
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiButton>(button.get()), nullptr); }));
    button.reset();
}

// Owns the host's about-to-show slot (engine thread).
struct ShowHandler : VXIM::Listener {
    ~ShowHandler() override { disconnect(); }
};

// GUI thread: the menu's items as text, "-" for a separator, hidden ones left out; a submenu
// item is its title followed by its own items in brackets.
QStringList visibleItems(QMenu* menu)
{
    QStringList items;
    if (!menu)
        return items;
    for (QAction* action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            items << QStringLiteral("-");
        else if (action->menu())
            items << action->text() + "[" + visibleItems(action->menu()).join(' ') + "]";
        else
            items << action->text();
    }
    return items;
}

class PopupMenuTest : public WidgetLeakTest {
protected:
    void TearDown() override
    {
        m_handler.disconnect();
        ASSERT_TRUE(runOnGuiThread([] {
            if (auto* popup = QApplication::activePopupWidget())
                popup->close();
        }));
        deliverEvents();
        m_actions.clear();
        WidgetLeakTest::TearDown();
    }

    VXAction* action(const char* text)
    {
        m_actions.emplace_back(bridge()->createAction(
            nullptr, 1, "", text, "", "", "", "", "", false, false, true, true));
        return m_actions.back().get();
    }

    std::unique_ptr<VXPopupMenu> menu()
    {
        return std::unique_ptr<VXPopupMenu>(bridge()->createPopupMenu(nullptr));
    }

    // Engine thread: runs `fill` each time the menu is about to show.
    void onAboutToShow(VXPopupMenu* popup, std::function<void()> fill)
    {
        VXIM::connectFunction(popup->aboutToShowEmitter, &m_handler, std::move(fill),
            VXIM::Thread::getCurrentThread());
    }

    // Lets the GUI apply what was posted, the host answer the menu, and the GUI apply that.
    static void settle()
    {
        widgetCount();
        deliverEvents();
        widgetCount();
    }

    QStringList itemsOf(VXPopupMenu* popup)
    {
        settle();
        QStringList items;
        EXPECT_TRUE(runOnGuiThread([&] { items = visibleItems(widgetOf<GuiPopupMenu>(popup)); }));
        return items;
    }

    ShowHandler m_handler;
    std::vector<std::unique_ptr<VXAction>> m_actions;
};

TEST_F(PopupMenuTest, MenuRebuiltJustBeforeItShowsOffersTheNewItems)
{
    auto popup = menu();
    auto more = menu();
    ASSERT_NE(more, nullptr);
    more->addMenuItem(action("Deep"));
    popup->setClearOnShow(true);
    popup->addMenuItem(action("Stale"));
    int shows = 0;
    onAboutToShow(popup.get(), [&] {
        ++shows;
        const std::string suffix = std::to_string(shows);
        popup->addMenuItem(action(("Open " + suffix).c_str()));
        popup->addMenuItem(action("Tail"));
        popup->addSubMenuItem(more.get(), u"More", u"Tail", true);
        popup->forceRefresh();
    });

    popup->popup();
    settle();
    ASSERT_EQ(shows, 1);
    EXPECT_EQ(itemsOf(popup.get()), QStringList({ "Open 1", "-", "More[Deep]", "Tail" }));
    ASSERT_TRUE(onWidget<GuiPopupMenu>(popup.get(), [&](GuiPopupMenu* widget) {
        EXPECT_TRUE(widget->isVisible()) << "the refresh keeps the menu up";
        widget->close();
    }));

    // The next opening starts empty again: no stale item, nothing doubled.
    popup->popup();
    settle();
    ASSERT_EQ(shows, 2);
    EXPECT_EQ(itemsOf(popup.get()), QStringList({ "Open 2", "-", "More[Deep]", "Tail" }));
    popup->hideNamedItem(u"Tail");
    popup->hideNamedItem(u"nothing by that name");
    EXPECT_EQ(itemsOf(popup.get()), QStringList({ "Open 2", "-", "More[Deep]" }));
    popup->showNamedItem(u"Tail");
    EXPECT_EQ(itemsOf(popup.get()).last(), QStringLiteral("Tail"));
}

TEST_F(PopupMenuTest, SeparatorsAreTidiedAndSubmenusHangUnderNamedItemsOrAreAppended)
{
    auto popup = menu();
    auto tools = menu();
    auto extra = menu();
    tools->addMenuItem(action("Hammer"));
    extra->addMenuItem(action("Saw"));
    popup->addSeparator();
    popup->addMenuItem(action("&Tools"));
    popup->addSeparator();
    popup->addSeparator();
    popup->addSubMenu(tools.get(), "Tools"); // the existing item named Tools takes it
    popup->addSubMenu(extra.get(), u"Extra");
    popup->addSubMenu(nullptr, "Placeholder");
    popup->addSubMenu(popup.get(), u"Itself");
    popup->addSubMenuItem(nullptr, u"Nothing", u"", false);
    popup->addSeparator();
    int shows = 0;
    onAboutToShow(popup.get(), [&] { ++shows; });
    popup->popup();
    EXPECT_EQ(itemsOf(popup.get()),
        QStringList({ "&Tools[Hammer]", "-", "Extra[Saw]", "Placeholder", "Itself" }));
    EXPECT_EQ(shows, 1) << "the host hears the menu is about to show";

    popup->clear();
    EXPECT_EQ(itemsOf(popup.get()), QStringList());
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_NE(widgetOf<GuiAction>(m_actions[0].get()), nullptr)
            << "clearing a menu leaves the host's actions alive";
    }));
}

TEST_F(PopupMenuTest, BadItemsAreSkippedAGoneMenuTakesNothingAndAButtonShowsAMenu)
{
    auto popup = menu();
    VXAction* gone = action("Gone");
    popup->addMenuItem(gone);
    m_actions.pop_back(); // deletes it: the menu loses the item
    popup->addMenuItem(nullptr);
    popup->addMenuItem(gone); // stale
    popup->showNamedItem(u"");
    EXPECT_EQ(itemsOf(popup.get()), QStringList());

    // The menu's widget goes at once with its peer, so nothing can fire a gone proxy's emitter.
    const int before = widgetCount();
    popup.reset();
    EXPECT_EQ(widgetCount(), before - 1);

    // Creation with a parent of another kind still builds a menu, which a button can show.
    std::unique_ptr<VXButton> button(bridge()->createButton(nullptr, "Host"));
    auto child = std::unique_ptr<VXPopupMenu>(bridge()->createPopupMenu(button.get()));
    child->addMenuItem(action("Child"));
    button->setMenu(child.get());
    EXPECT_TRUE(button->isEnabled());
    ASSERT_TRUE(onWidget<GuiButton>(button.get(), [&](GuiButton* widget) {
        EXPECT_EQ(widget->menu(), widgetOf<GuiPopupMenu>(child.get()));
    }));
    button->setMenu(nullptr);
    child->popup();
    EXPECT_EQ(itemsOf(child.get()), QStringList({ "Child" }));
    ASSERT_TRUE(
        runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiButton>(button.get())->menu(), nullptr); }));
    child.reset();
    button.reset();
}

} // namespace
