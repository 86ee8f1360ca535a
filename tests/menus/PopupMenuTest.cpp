// Popup menus filled by the host, rebuilt just before they show.
#include "engine/VXAction.h"
#include "engine/VXButton.h"
#include "engine/VXPopupMenu.h"
#include "tests/support/WidgetTest.h"
#include "vrix/vxim/Connect.h"
#include "vrix/vxim/Listener.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/GuiAction.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiPopupMenu.h"

#include <QApplication>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

using namespace testing;
using namespace vxtest;

namespace {

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
