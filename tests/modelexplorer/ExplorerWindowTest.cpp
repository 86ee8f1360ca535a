// The explorer window driven by a host through the real bridge: what the host sets it reads
// back, the user's actions on the window reach the host's listeners as events with their
// records, and dialogs the window runs answer as the user chose.
#include "engine/VXAction.h"
#include "engine/VXBridge.h"
#include "engine/VXModelExplorer.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXSearchBar.h"
#include "engine/VXSearchPanel.h"
#include "messaging/QtBoolInt2Message.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ListViewTestHost.h"
#include "tests/support/AnswerNextDialog.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/WidgetLeakTest.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogList.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogPanel.h"
#include "vx_qtgui/modelexplorer/GuiMESelectionChangedDialog.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/GuiModelView.h"
#include "vx_qtgui/modelexplorer/GuiObjectSelectionDialog.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <climits>
#include <memory>
#include <string>
#include <vector>

using vxtest::deliverEvents;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

class ExplorerWindowTest : public vxtest::WidgetLeakTest {
protected:
    void SetUp() override
    {
        vxtest::WidgetLeakTest::SetUp();
        std::map<int, std::u16string> strings = { { 4, u"Suchen nach:" }, { 5, u"Los" },
            { 6, u"Suchoptionen" }, { 7, u"Selection changed" }, { 8, u"Apply the changes?" },
            { 9, u"Never ask again" }, { 10, u"Apply" }, { 11, u"Ignore" }, { 12, u"Cancel" },
            { 14, u"Name" }, { 15, u"Type" }, { 16, u"New Object" }, { 17, u"Model Explorer" },
            { 18, u"Ready" }, { 25, u"Suchergebnisse" }, { 26, u"Mehr zeigen" },
            { 27, u"Weniger zeigen" } };
        m_explorer = own(vxtest::bridge()->createModelExplorer(strings));
        ASSERT_NE(m_explorer, nullptr);
        m_log.watch(m_explorer,
            { ShowHideEvent, CloseEvent, MECreateNewObjEvent, MEGeometryChangedEvent,
                MESplittersMovedEvent, FontIncreaseEvent, FontDecreaseEvent });
    }

    GuiModelExplorer* window() { return widgetOf<GuiModelExplorer>(m_explorer); }
    QString status()
    {
        QString text;
        runOnGuiThread([&] { text = window()->statusBar()->currentMessage(); });
        return text;
    }
    std::vector<int> position()
    {
        int x = -1, y = -1, w = -1, h = -1;
        m_explorer->getPosition(x, y, w, h);
        return { x, y, w, h };
    }

    VXModelExplorer* m_explorer = nullptr;
    ListViewTestHost m_log;
};

TEST_F(ExplorerWindowTest, CreatedHiddenAndHostSettingsReadBack)
{
    EXPECT_FALSE(m_explorer->isVisible());
    EXPECT_EQ(m_explorer->getTitle(), u"Model Explorer");
    EXPECT_EQ(status(), QStringLiteral("Ready"));
    ASSERT_TRUE(runOnGuiThread([&] {
        for (int i = 0; i < 3; ++i)
            EXPECT_NE(window()->splitter(i), nullptr) << i;
    }));

    m_explorer->setTitle(u"Vehicles");
    EXPECT_EQ(m_explorer->getTitle(), u"Vehicles");
    EXPECT_EQ(takeText(m_explorer->getWindowIcon()), "Vehicles") << "the icon follows the title";

    m_explorer->show(true, true);
    m_explorer->setPosition(40, 50, 640, 480);
    EXPECT_EQ(position(), std::vector<int>({ 40, 50, 640, 480 }));

    m_explorer->setStatusMessage(u"Loading", -1);
    m_explorer->setListViewWidth(150);
    EXPECT_EQ(status(), QStringLiteral("Loading"));
    EXPECT_EQ(m_explorer->getListViewWidth(), 150);
    m_explorer->setStatusMessage(u"", 0);
    EXPECT_TRUE(status().isEmpty()) << "an empty text stops the wait";

    // An off-screen position is brought back and reported.
    m_explorer->setPosition(-3000, -3000, 400, 300);
    EXPECT_EQ(position(), std::vector<int>({ 0, 0, 400, 300 }));
    ASSERT_TRUE(vxtest::pumpUntil([&] {
        const auto frames = m_log.ofType(MEGeometryChangedEvent);
        return !frames.empty() && frames.back().numbers == std::vector<int>({ 0, 0, 400, 300 });
    })) << "the geometry event carries the frame";
}

TEST_F(ExplorerWindowTest, ShowHideAndCloseReportToTheHost)
{
    m_explorer->show(true, true);
    EXPECT_TRUE(m_explorer->isVisible()) << "a waiting show returns once shown";
    m_explorer->show(false, true);
    EXPECT_FALSE(m_explorer->isVisible());
    m_explorer->show(true, false);
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_log.count(ShowHideEvent) >= 3; }));
    std::vector<std::vector<int>> visibility;
    for (const SeenListEvent& e : m_log.ofType(ShowHideEvent))
        visibility.push_back(e.numbers);
    EXPECT_EQ(visibility, (std::vector<std::vector<int>> { { 0, 1 }, { 1, 0 }, { 1, 1 } }));

    // Closing asks the host unless forced.
    m_explorer->show(true, true);
    m_explorer->close(false);
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_log.count(CloseEvent) > 0; }));
    EXPECT_FALSE(m_log.ofType(CloseEvent)[0].state) << "no Ctrl modifier";
    EXPECT_TRUE(m_explorer->isVisible()) << "the host decides";
    m_explorer->close(true);
    EXPECT_FALSE(m_explorer->isVisible());
    deliverEvents();
    EXPECT_EQ(m_log.count(CloseEvent), 1u);
}

TEST_F(ExplorerWindowTest, MenusMenuItemsAndShortcutsWork)
{
    std::unique_ptr<VXAction> action(vxtest::bridge()->createAction(
        m_explorer, 3, "run()", "Run", "", "", "", "", "", true, false, true, true));
    ASSERT_NE(action, nullptr);
    vxtest::EventLog actions;
    actions.watch(action.get(), { ActionToggled, ActionTriggered });
    struct Case {
        bool state[2];
        VXEventType type;
        bool checked;
    };
    const Case cases[] = { { { true, false }, ActionToggled, false },
        { { true, true }, ActionToggled, true }, { { false, true }, ActionTriggered, false } };
    for (const Case& c : cases) {
        bool state[2] = { c.state[0], c.state[1] };
        m_explorer->executeMenuItem("Run", action.get(), state);
    }
    ASSERT_TRUE(vxtest::pumpUntil([&] { return actions.events.size() >= 3; }));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(actions.events[i].type, cases[i].type) << i;
        EXPECT_EQ(actions.events[i].state, cases[i].checked) << i;
    }

    // A shortcut works anywhere in the window: a key the pane does not take travels up to the
    // window; Ctrl+J names no action.
    std::unique_ptr<VXAction> find(vxtest::bridge()->createAction(
        m_explorer, 4, "find()", "Find", "Ctrl+K", "", "", "", "", false, false, true, true));
    ASSERT_NE(find, nullptr);
    vxtest::EventLog finds;
    finds.watch(find.get(), { ActionTriggered });
    m_explorer->show(true, true);
    runOnGuiThread([&] {
        QTest::keyClick(window()->modelView()->dialogPane(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(window(), Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(window(), Qt::Key_J, Qt::ControlModifier);
    });
    ASSERT_TRUE(vxtest::pumpUntil([&] { return finds.events.size() >= 2; }));
    deliverEvents();
    EXPECT_EQ(finds.count(ActionTriggered), 2u);
    EXPECT_EQ(actions.events.size(), 3u);
    find.reset();
    action.reset();

    // The menu bar takes menus it knows and clears them.
    std::unique_ptr<VXPopupMenu> menu(vxtest::bridge()->createPopupMenu(m_explorer));
    ASSERT_NE(menu, nullptr);
    m_explorer->addSubMenu(menu.get(), "File");
    m_explorer->addSubMenu(nullptr, "Nothing");
    EXPECT_EQ(m_explorer->countMenuBarItems(), 1) << "an unknown menu is ignored";
    m_explorer->clearMenus();
    EXPECT_EQ(m_explorer->countMenuBarItems(), 0);
    menu.reset();
}

TEST_F(ExplorerWindowTest, ProgressDialogShowsThePreviousValueAndReportsCancel)
{
    m_explorer->show(true, true);
    struct Step {
        const char16_t* label;
        int value;
        int shown;
    };
    // Each call shows the value of the call before it; an empty label only shows the last.
    const Step steps[] = { { u"Loading", 10, 0 }, { u"Loading", 20, 10 }, { u"", 30, 20 } };
    for (const Step& step : steps) {
        m_explorer->progressDialog(step.label, u"Stop", 100, step.value, 0, false);
        int shown = -1;
        runOnGuiThread([&] { shown = window()->progressDialogWidget()->value(); });
        EXPECT_EQ(shown, step.shown) << step.value;
    }
    EXPECT_FALSE(m_explorer->progressDialogIsCanceled());
    runOnGuiThread([&] { window()->slotProgressDialogCanceled(); });
    EXPECT_TRUE(m_explorer->progressDialogIsCanceled());
    m_explorer->progressDialogClose();
    EXPECT_FALSE(m_explorer->progressDialogIsCanceled());
}

TEST_F(ExplorerWindowTest, ObjectCreationSendsTypeAndSplitNames)
{
    auto* types = new VXStringList();
    types->addElement("Car");
    types->addElement("Truck");
    m_explorer->replaceObjSelectionList(types);
    vxtest::answerNextDialog<GuiObjectSelectionDialog>([](GuiObjectSelectionDialog* dialog) {
        dialog->nameEdit()->setText(QStringLiteral("a, b\tc"));
        dialog->typeBox()->setCurrentIndex(1);
        dialog->accept();
    });
    m_explorer->selectAndCreateNewObject(false);
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_log.count(MECreateNewObjEvent) > 0; }));
    EXPECT_EQ(m_log.ofType(MECreateNewObjEvent)[0].text, "Truck");
    EXPECT_EQ(
        m_log.ofType(MECreateNewObjEvent)[0].names, (std::vector<std::string> { "a", "b", "c" }));
}

TEST_F(ExplorerWindowTest, SelectionChangedDialogWithoutDialogPaneAppliesNothing)
{
    // No property dialog is showing: Apply cannot apply, so the answer stays "not applied".
    vxtest::answerNextDialog<GuiMESelectionChangedDialog>(
        [](GuiMESelectionChangedDialog* dialog) { dialog->clickedApply(); });
    bool apply = true, never = true;
    int handled = 0;
    m_explorer->showSelectionChangedDialog(apply, never, handled, true);
    EXPECT_FALSE(apply);
    EXPECT_FALSE(never);
    EXPECT_EQ(handled, 1);

    // A helper thread answers the running dialog with the action named.
    const std::pair<const char*, bool> actions[]
        = { { "Apply", true }, { "Ignore", true }, { "Close", false } };
    for (const auto& [action, expected] : actions) {
        bool answered = !expected;
        int applied = -1;
        runOnGuiThread([&] {
            std::unique_ptr<QtBoolInt2Message> reply(
                window()->runSelectionChangedDialog(false, QString::fromLatin1(action)));
            answered = reply->m_bool;
            applied = reply->m_int1;
        });
        EXPECT_EQ(answered, expected) << action;
        EXPECT_EQ(applied, 0) << action;
    }

    // A synchronous selection answers a press only.
    std::vector<UDInterface*> objects { reinterpret_cast<UDInterface*>(16) };
    EXPECT_TRUE(m_explorer->selectListNodesSync(&objects, "Press", "TREE"));
    EXPECT_FALSE(m_explorer->selectListNodesSync(&objects, "press", "LIST"));
    EXPECT_FALSE(m_explorer->selectListNodesSync(&objects, "", "LIST"));
}

TEST_F(ExplorerWindowTest, WaitCursorAndSleepFollowTheirTimers)
{
    m_explorer->show(true, true);
    m_explorer->startWait(0);
    EXPECT_TRUE(
        vxtest::pumpUntilOnGui([&] { return window()->cursor().shape() == Qt::WaitCursor; }));
    m_explorer->stopWait();
    m_explorer->sleep(u"Busy");
    EXPECT_EQ(status(), QStringLiteral("Busy"));
    EXPECT_TRUE(vxtest::pumpUntilOnGui([&] { return !window()->isEnabled(); }));
    m_explorer->wake();
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(window()->isEnabled());
        EXPECT_TRUE(window()->statusBar()->currentMessage().isEmpty());
        EXPECT_EQ(window()->cursor().shape(), Qt::ArrowCursor);
    }));
}

TEST_F(ExplorerWindowTest, SplitterSizesSetStretchPerPair)
{
    m_explorer->show(true, true);
    // The tree's splitter holds a second pane once the accordion has one.
    m_explorer->addAccordionPane(u"extra", u"Extra", u"", u"", u"");
    const auto stretches = [&] {
        std::vector<int> all;
        runOnGuiThread([&] {
            for (int i = 0; i < 3; ++i) {
                QSplitter* splitter = window()->splitter(i);
                for (int pane = 0; pane < 2; ++pane) {
                    const QSizePolicy policy = splitter->widget(pane)->sizePolicy();
                    all.push_back(splitter->orientation() == Qt::Horizontal
                            ? policy.horizontalStretch()
                            : policy.verticalStretch());
                }
            }
        });
        return all;
    };
    const std::vector<int> before = stretches();
    int one[] = { 5 };
    m_explorer->setSplitterSizes(one, 1);
    EXPECT_EQ(stretches(), before) << "half a pair changes nothing";
    int seven[] = { 0, 0, 3, 4, 5, 6, 99 };
    m_explorer->setSplitterSizes(seven, 7);
    EXPECT_EQ(stretches(), (std::vector<int> { 1, 1, 3, 4, 5, 6 }));
    runOnGuiThread([&] { window()->splitter(1)->resize(700, 400); });
    ASSERT_TRUE(vxtest::pumpUntil([&] {
        const auto moves = m_log.ofType(MESplittersMovedEvent);
        return !moves.empty() && moves.back().numbers.size() == 6;
    }));
}

TEST_F(ExplorerWindowTest, FontAndZoomReachWindowAndHost)
{
    m_explorer->show(true, true);
    m_explorer->setFont("", 20, 1, 1, -1);
    ASSERT_TRUE(runOnGuiThread([&] {
        const QFont font = window()->font();
        EXPECT_EQ(font.pointSize(), 20);
        EXPECT_TRUE(font.bold());
        EXPECT_TRUE(font.italic());
        // Down with Ctrl, up without, up with Ctrl.
        for (const auto& [delta, modifiers] : { std::make_pair(-120, Qt::ControlModifier),
                 std::make_pair(120, Qt::NoModifier), std::make_pair(120, Qt::ControlModifier) }) {
            QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta),
                Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(window(), &wheel);
        }
    }));
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_log.count(FontIncreaseEvent) > 0; }));
    deliverEvents();
    EXPECT_EQ(m_log.count(FontIncreaseEvent), 1u) << "a wheel without Ctrl zooms nothing";
    EXPECT_EQ(m_log.count(FontDecreaseEvent), 1u);
}

TEST_F(ExplorerWindowTest, SearchBarAndPanelShowTheTextsGivenAtCreation)
{
    VXSearchBar* bar = own(vxtest::bridge()->createSearchBar(m_explorer));
    ASSERT_NE(bar, nullptr);
    bar->setDynamicWidgets({ "Label", "Name:", "StringEdit", "gain" }, false);
    // One panel made for the window, one made elsewhere and handed to it.
    VXSearchPanel* made = own(vxtest::bridge()->createSearchPanel(m_explorer));
    VXSearchPanel* handed = own(vxtest::bridge()->createSearchPanel(nullptr));
    ASSERT_NE(made, nullptr);
    ASSERT_NE(handed, nullptr);
    m_explorer->addSearchPanel(handed);
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* widget = widgetOf<GuiSearchBar>(bar);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->searchLabel()->text(), QStringLiteral("Suchen nach:"));
        EXPECT_EQ(widget->searchButton()->text(), QStringLiteral("Los"));
        EXPECT_EQ(widget->optionsButton()->toolTip(), QStringLiteral("Suchoptionen"));
        for (VXSearchPanel* proxy : { made, handed }) {
            auto* panel = widgetOf<GuiSearchPanel>(proxy);
            ASSERT_NE(panel, nullptr);
            EXPECT_EQ(panel->headerLabel()->text(), QStringLiteral("Suchergebnisse"));
            EXPECT_EQ(panel->expandButton()->toolTip(), QStringLiteral("Mehr zeigen"));
            panel->slotExpandCollapse();
            EXPECT_EQ(panel->expandButton()->toolTip(), QStringLiteral("Weniger zeigen"));
        }
    }));
}

// The window's list tab bar follows its search bar: shown with it, hidden with it and when it
// is destroyed.
TEST_F(ExplorerWindowTest, ListTabBarFollowsTheSearchBar)
{
    m_explorer->show(true, true);
    VXSearchBar* bar = vxtest::bridge()->createSearchBar(m_explorer);
    ASSERT_NE(bar, nullptr);
    auto tabBarShown = [&] {
        bool shown = false;
        EXPECT_TRUE(runOnGuiThread(
            [&] { shown = window()->modelView()->dialogList()->isTabBarVisible(); }));
        return shown;
    };
    for (bool visible : { true, false, true }) {
        ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiSearchBar>(bar)->setVisible(visible); }));
        ASSERT_EQ(tabBarShown(), visible) << "bar shown: " << visible;
    }
    delete bar;
    EXPECT_FALSE(tabBarShown());
}

TEST_F(ExplorerWindowTest, UntrustedArgumentsLeaveAWorkingWindow)
{
    m_explorer->show(true, true);
    int huge[] = { INT_MIN, INT_MAX, INT_MAX, 0, -1, INT_MIN };
    m_explorer->setPosition(INT_MAX, INT_MIN, INT_MAX, -5);
    m_explorer->setSplitterSizes(nullptr, 4);
    m_explorer->setSplitterSizes(huge, 6);
    m_explorer->setSplitterSizes(huge, -3);
    m_explorer->setFont(nullptr, INT_MAX, 7, 7, 7);
    m_explorer->setListViewWidth(INT_MIN);
    m_explorer->setListViewWidth(INT_MAX);
    m_explorer->executeMenuItem(nullptr, reinterpret_cast<VXAction*>(m_explorer), nullptr);
    m_explorer->addPopupMenu(reinterpret_cast<VXPopupMenu*>(0x40), 1, 1);
    m_explorer->addSubMenu(reinterpret_cast<VXPopupMenu*>(0x40), "x");
    m_explorer->selectListNodesSync(nullptr, "Press", nullptr);
    m_explorer->selectListNodesSync(nullptr, nullptr, nullptr);
    m_explorer->addList(nullptr);
    m_explorer->setRoot(nullptr);
    m_explorer->removeList(nullptr);
    m_explorer->replaceObjSelectionList(nullptr);
    m_explorer->setWindowIcon(nullptr);
    m_explorer->setWindowIcon("/no/such/picture.png");
    m_explorer->startWait(INT_MIN);
    m_explorer->progressDialog(u"p", u"", INT_MIN, INT_MAX, INT_MIN, true);
    m_explorer->progressDialogClose();
    m_explorer->setTitle(u"Still here");
    EXPECT_EQ(m_explorer->getTitle(), u"Still here");
    const std::vector<int> frame = position();
    EXPECT_TRUE(frame[0] >= 0 && frame[1] >= 0 && frame[2] > 0 && frame[3] > 0)
        << frame[0] << "," << frame[1] << " " << frame[2] << "x" << frame[3];
}

} // namespace

namespace {

// Writes the pictures of docs/images when VX_SCREENSHOT_DIR names a directory.
class ExplorerScreenshotTest : public ExplorerWindowTest {
protected:
    static void save(QWidget* widget, const char* name)
    {
        const QImage picture = widget->grab().toImage();
        EXPECT_GT(vxtest::countPixels(picture, vxtest::isText), 50) << name;
        EXPECT_TRUE(vxtest::keepScreenshot(picture, name)) << name;
    }
};

TEST_F(ExplorerScreenshotTest, WindowAndDialogs)
{
    if (qEnvironmentVariableIsEmpty("VX_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set VX_SCREENSHOT_DIR to a directory to write the pictures";
    m_explorer->show(true, true);
    std::unique_ptr<VXPopupMenu> file(vxtest::bridge()->createPopupMenu(m_explorer));
    std::unique_ptr<VXPopupMenu> view(vxtest::bridge()->createPopupMenu(m_explorer));
    m_explorer->addSubMenu(file.get(), "File");
    m_explorer->addSubMenu(view.get(), "View");
    m_explorer->setStatusMessage(u"12 objects", -1);
    ASSERT_EQ(m_explorer->countMenuBarItems(), 2); // also waits for what was posted before
    runOnGuiThread([&] { save(window(), "explorer-window-main.png"); });

    m_explorer->progressDialog(u"Loading vehicles...", u"Cancel", 100, 40, 0, false);
    m_explorer->progressDialog(u"Loading vehicles...", u"Cancel", 100, 60, 0, false);
    runOnGuiThread([&] {
        QProgressDialog* dialog = window()->progressDialogWidget();
        dialog->show();
        dialog->resize(360, dialog->sizeHint().height());
        save(dialog, "explorer-window-progress.png");
    });
    m_explorer->progressDialogClose();

    auto* types = new VXStringList();
    types->addElement("Car");
    types->addElement("Truck");
    m_explorer->replaceObjSelectionList(types);
    vxtest::answerNextDialog<GuiObjectSelectionDialog>([](GuiObjectSelectionDialog* dialog) {
        save(dialog, "explorer-window-create.png");
        dialog->reject();
    });
    m_explorer->selectAndCreateNewObject(false);
    ASSERT_TRUE(vxtest::pumpUntilOnGui([] { return !QApplication::activeModalWidget(); }));

    vxtest::answerNextDialog<GuiMESelectionChangedDialog>([](GuiMESelectionChangedDialog* dialog) {
        save(dialog, "explorer-window-selection.png");
        dialog->reject();
    });
    bool apply = false, never = false;
    int handled = 0;
    m_explorer->showSelectionChangedDialog(apply, never, handled, false);
}

} // namespace
