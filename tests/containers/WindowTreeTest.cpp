// Main windows, tab bars and splitters driven by the host and used by the user.
#include "engine/VXButton.h"
#include "engine/VXDialog.h"
#include "engine/VXGridLayout.h"
#include "engine/VXGroupBox.h"
#include "engine/VXPanel.h"
#include "engine/VXScrollView.h"
#include "engine/VXSplitter.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "engine/VXTogglePanel.h"
#include "engine/VXVBoxLayout.h"
#include "engine/VXWidgetStack.h"
#include "engine/VXWindow.h"
#include "tests/support/WidgetTest.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiPanel.h"
#include "vx_qtgui/GuiScrollView.h"
#include "vx_qtgui/GuiSplitter.h"
#include "vx_qtgui/GuiTabBar.h"
#include "vx_qtgui/GuiTogglePanel.h"
#include "vx_qtgui/GuiWindow.h"

#include <QCheckBox>
#include <QStatusBar>
#include <QTabBar>

#include <string>

using namespace testing;
using namespace vxtest;

namespace {

class WindowTreeTest : public WidgetLeakTest {
protected:
    // A tree of every container kind under `root`; the buttons are listened to.
    void buildTree(VXWidget* root, EventLog& listener, std::vector<VXButton*>& buttons)
    {
        VXBridge* bridge = vxtest::bridge();
        VXPanel* panel = bridge->createPanel(root, "panel");
        VXVBoxLayout* column = bridge->createVBoxLayout(panel);
        VXGroupBox* group = bridge->createGroupBox(panel, "group");
        VXGridLayout* grid = bridge->createGridLayout(group, 2, 2);
        for (int i = 0; i < 4; ++i) {
            VXButton* b = bridge->createButton(group, "b");
            b->addEventListener(&listener, ButtonPressEvent);
            grid->addWidget(b, i / 2, i % 2, 0);
            buttons.push_back(b);
        }
        VXTabBar* bar = bridge->createTabBar(panel);
        for (int i = 0; i < 2; ++i) {
            VXTab* tab = bridge->createTab(bar);
            bridge->createCheckBox(tab, "check");
            bar->addTab(tab);
        }
        VXSplitter* splitter = bridge->createSplitter(panel, "horizontal", "s");
        bridge->createPanel(splitter, "left");
        VXScrollView* scroll = bridge->createScrollView(splitter);
        VXPanel* content = bridge->createPanel(scroll, "content");
        bridge->createButton(content, "deep");
        scroll->addWidget(content);
        VXWidgetStack* stack = bridge->createWidgetStack(panel);
        VXPanel* page = bridge->createPanel(stack, "page");
        stack->addWidget(page, 0);
        stack->raiseWidget(page);
        VXTogglePanel* toggle = bridge->createTogglePanel(panel, "toggle");
        column->addWidget(group, 0);
        column->addWidget(bar, 1);
        column->addWidget(splitter, 1);
        column->addWidget(stack, 0);
        column->addWidget(toggle, 0);
        EXPECT_EQ(stack->getCurrentWidgetId(), 0);
        ASSERT_TRUE(onWidget<GuiScrollView>(scroll, [&](GuiScrollView* view) {
            EXPECT_EQ(view->widget(), widgetOf<GuiPanel>(content));
            auto* folding = widgetOf<GuiTogglePanel>(toggle);
            ASSERT_NE(folding, nullptr);
            EXPECT_FALSE(folding->header()->isChecked());
            EXPECT_TRUE(folding->content()->isHidden());
            folding->header()->click();
            EXPECT_FALSE(folding->content()->isHidden());
        }));
    }
};

TEST_F(WindowTreeTest, DestroyingAWindowOrDialogRemovesEveryWidgetAndSilencesItsEvents)
{
    for (const bool isWindow : { true, false }) {
        SCOPED_TRACE(isWindow ? "window" : "dialog");
        VXWindow* window = isWindow ? bridge()->createWindow(0) : nullptr;
        std::unique_ptr<VXWidget> top(
            window ? static_cast<VXWidget*>(window) : bridge()->createDialog(0));
        EventLog presses;
        std::vector<VXButton*> buttons;
        buildTree(top.get(), presses, buttons);
        if (window)
            window->setCentralWidget(window->getChildren().front());
        top->show();
        EXPECT_GT(bridge()->getHashedSize(), m_startCount + 20);
        buttons.front()->click();
        widgetCount(); // a round trip: the click has been handled
        deliverEvents();
        EXPECT_THAT(presses.values(), ElementsAre(0)) << "events flow while the tree is alive";

        // Clicks raised just before the proxies go must not reach the host afterwards.
        ASSERT_TRUE(runOnGuiThread([&] {
            for (VXButton* b : buttons)
                QTest::mouseClick(widgetOf<GuiButton>(b), Qt::LeftButton);
        }));
        top.reset();
        deliverEvents();
        EXPECT_THAT(presses.values(), ElementsAre(0));
        EXPECT_EQ(bridge()->getHashedSize(), m_startCount);
    }
}

TEST_F(WindowTreeTest, WindowStateRoundTripsAndShortStatesChangeNothing)
{
    std::unique_ptr<VXWindow> window(bridge()->createWindow(0));
    EventLog closes;
    window->addEventListener(&closes, WNDCloseEvent);
    // The 8-bit title a host reads back carries one Latin-1 byte per character.
    VXGroupBox* box = bridge()->createGroupBox(window.get(), u"Caf\u00e9 \u00c5");
    EXPECT_EQ(box->getTitle(), std::string("Caf\xe9 \xc5"));
    window->show();
    window->setPosition(30, 40, 320, 240);
    const VRIX::VXRect<int> at = window->getPosition();
    EXPECT_EQ(at.x(), 30);
    EXPECT_EQ(at.y(), 40);
    const std::string saved = window->getStateEmitter();
    ASSERT_EQ(saved.rfind("30,40,", 0), 0u) << saved.substr(0, 20);

    window->setPosition(60, 70, 200, 150);
    window->setStateEmitter(std::string("5,6,7,"));
    EXPECT_EQ(window->getPosition().width(), 200) << "three commas change nothing";
    window->setStateEmitter(saved);
    const std::string restored = window->getStateEmitter();
    EXPECT_EQ(restored, saved);

    window->showStatusBarMessageEmitter(std::string("Ready"));
    window->setBackgroundColorEmitter(VRIX::Color::fromBytes(10, 20, 30));
    window->getStateEmitter(); // after the queued emissions
    ASSERT_TRUE(onWidget<GuiWindow>(window.get(), [&](GuiWindow* widget) {
        EXPECT_FALSE(widget->windowFlags().testFlag(Qt::WindowFullscreenButtonHint));
        EXPECT_EQ(widget->statusBar()->currentMessage(), QStringLiteral("Ready"));
        EXPECT_EQ(widget->palette().color(QPalette::Inactive, widget->backgroundRole()),
            QColor(10, 20, 30));
        widget->close();
    }));
    window->showStatusBarMessageEmitter(std::string());
    window->getStateEmitter();
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(widgetOf<GuiWindow>(window.get())->statusBar()->currentMessage().isEmpty());
    }));
    deliverEvents();
    EXPECT_THAT(closes.values(), ElementsAre(0));
}

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
        // With a stretch factor set, the first pane keeps the size it is given instead of a
        // share of the width: a size left unscaled shows.
        widget->setStretchFactor(1, 1);
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
