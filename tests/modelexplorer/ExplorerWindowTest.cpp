// The explorer window driven by a host through the real bridge, its list models watched by
// QAbstractItemModelTester throughout.
#include "engine/VXAction.h"
#include "engine/VXBridge.h"
#include "engine/VXDialog.h"
#include "engine/VXEdit.h"
#include "engine/VXModelExplorer.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXSearchBar.h"
#include "engine/VXSearchPanel.h"
#include "host/HostObjectDataFactory.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtModelExplorer.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ListViewFixture.h"
#include "tests/modelexplorer/ModelTester.h"
#include "tests/modelexplorer/TreeTestRecords.h"
#include "tests/support/AnswerNextDialog.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogList.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogListView.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogPanel.h"
#include "vx_qtgui/modelexplorer/GuiMEHyperlink.h"
#include "vx_qtgui/modelexplorer/GuiMESelectionChangedDialog.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/GuiModelView.h"
#include "vx_qtgui/modelexplorer/GuiObjectSelectionDialog.h"
#include "vx_qtgui/modelexplorer/GuiTreePanel.h"
#include "vx_qtgui/modelexplorer/ODCustListTreeView.h"
#include "vx_qtgui/modelexplorer/ODProgressBar.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
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
#include <tuple>
#include <vector>

using vxtest::deliverEvents;
using vxtest::pumpUntil;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

// The list fixture's host and model testers, here on the window's own list.
class ExplorerWindowTest : public ListViewFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(startLeakCheckAndHost());
        std::map<int, std::u16string> strings = { { 1, u"Contents" }, { 2, u"Search Results" },
            { 3, u"Contents of:" }, { 4, u"Suchen nach:" }, { 5, u"Los" }, { 6, u"Suchoptionen" },
            { 7, u"Selection changed" }, { 8, u"Apply the changes?" }, { 9, u"Never ask again" },
            { 10, u"Apply" }, { 11, u"Ignore" }, { 12, u"Cancel" }, { 14, u"Name" },
            { 15, u"Type" }, { 16, u"New Object" }, { 17, u"Model Explorer" }, { 18, u"Ready" },
            { 23, u"Filter contents" }, { 24, u"Clear" }, { 25, u"Suchergebnisse" },
            { 26, u"Mehr zeigen" }, { 27, u"Weniger zeigen" } };
        m_explorer = own(vxtest::bridge()->createModelExplorer(strings));
        ASSERT_NE(m_explorer, nullptr);
        m_host.watch(m_explorer,
            { ShowHideEvent, CloseEvent, MECreateNewObjEvent, MEGeometryChangedEvent,
                MESplittersMovedEvent, FontIncreaseEvent, FontDecreaseEvent, METreeExpandedEvent,
                METreeSelectionChangedEvent, SSSelectionChangedEvent, SSItemsChangedEvent,
                MEListFilterChangedEvent, MEViewHyperlinkEvent, METabBarSelectionEvent });
        runOnGuiThread([&] {
            m_modelTester = vxtest::watchModel(dialogList()->listModel());
            m_proxyTester = vxtest::watchModel(dialogList()->proxyModel());
        });
    }

    // GUI thread.
    GuiModelExplorer* window() { return widgetOf<GuiModelExplorer>(m_explorer); }
    GuiModelView* modelView() { return window()->modelView(); }
    GuiMEDialogList* dialogList() { return modelView()->dialogList(); }
    GuiListView* list() { return modelView()->listView(); }

    // Engine thread.
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

    // Engine thread: a tree "Model(Car(Wheel) Truck)" and three rows with two columns.
    void fill()
    {
        m_explorer->setRoot(treeNode(1, u"Model",
            { treeNode(2, u"Car", { treeNode(4, u"Wheel") }), treeNode(3, u"Truck") }));
        auto* names = new VXStringList;
        names->addElement("Name");
        names->addElement("Info.Kind");
        m_explorer->replacePropertyNames(names, nullptr);
        auto* rows = new VXMEObjectDataList { makeRecord(11, { u"alpha", u"A" }, u"alpha"),
            makeRecord(12, { u"beta", u"B" }, u"beta"),
            makeRecord(13, { u"gamma", u"A" }, u"gamma") };
        m_explorer->replaceList(rows, u"");
        m_explorer->show(true, true);
    }

    // GUI thread: a left click on proxy row `row` of the list.
    void clickRow(int row)
    {
        const QRect cell = list()->visualRect(dialogList()->proxyModel()->index(row, 1));
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    // Engine thread: the rows the list shows through its filter.
    int shownRows()
    {
        int rows = -1;
        runOnGuiThread([&] { rows = dialogList()->proxyModel()->rowCount(); });
        return rows;
    }

    VXModelExplorer* m_explorer = nullptr;
};

TEST_F(ExplorerWindowTest, CreatedHiddenAndHostSettingsReadBack)
{
    EXPECT_FALSE(m_explorer->isVisible());
    EXPECT_EQ(m_explorer->getTitle(), u"Model Explorer");
    EXPECT_EQ(status(), QStringLiteral("Ready"));

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
        const auto frames = m_host.ofType(MEGeometryChangedEvent);
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
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(ShowHideEvent) >= 3; }));
    std::vector<std::vector<int>> visibility;
    for (const SeenListEvent& e : m_host.ofType(ShowHideEvent))
        visibility.push_back(e.numbers);
    EXPECT_EQ(visibility, (std::vector<std::vector<int>> { { 0, 1 }, { 1, 0 }, { 1, 1 } }));

    // Closing asks the host unless forced.
    m_explorer->show(true, true);
    m_explorer->close(false);
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(CloseEvent) > 0; }));
    EXPECT_FALSE(m_host.ofType(CloseEvent)[0].state) << "no Ctrl modifier";
    EXPECT_TRUE(m_explorer->isVisible()) << "the host decides";
    m_explorer->close(true);
    EXPECT_FALSE(m_explorer->isVisible());
    deliverEvents();
    EXPECT_EQ(m_host.count(CloseEvent), 1u);
}

TEST_F(ExplorerWindowTest, MenusMenuItemsAndShortcutsWork)
{
    std::unique_ptr<VXAction> action(vxtest::bridge()->createAction(
        m_explorer, 3, "run()", "Run", "", "", "", "", "", true, false, true, true));
    ASSERT_NE(action, nullptr);
    vxtest::EventLog actions;
    actions.watch(action.get(), { ActionToggled, ActionTriggered });
    // Checkable and checked as the item says, the event that follows, its checked state.
    const std::tuple<bool, bool, VXEventType, bool> cases[]
        = { { true, false, ActionToggled, false }, { true, true, ActionToggled, true },
              { false, true, ActionTriggered, false } };
    for (const auto& [checkable, checked, type, state] : cases) {
        bool item[2] = { checkable, checked };
        m_explorer->executeMenuItem("Run", action.get(), item);
    }
    ASSERT_TRUE(vxtest::pumpUntil([&] { return actions.events.size() >= 3; }));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(actions.events[i].type, std::get<2>(cases[i])) << i;
        EXPECT_EQ(actions.events[i].state, std::get<3>(cases[i])) << i;
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

TEST_F(ExplorerWindowTest, ProgressWaitCursorAndSleepShowTheWindowBusy)
{
    m_explorer->show(true, true);
    // Label, value, the value shown: each call shows the value of the call before it; an empty
    // label only shows the last.
    const std::tuple<const char16_t*, int, int> steps[]
        = { { u"Loading", 10, 0 }, { u"Loading", 20, 10 }, { u"", 30, 20 } };
    for (const auto& [label, value, expected] : steps) {
        m_explorer->progressDialog(label, u"Stop", 100, value, 0, false);
        int shown = -1;
        runOnGuiThread([&] { shown = window()->progressDialogWidget()->value(); });
        EXPECT_EQ(shown, expected) << value;
    }
    EXPECT_FALSE(m_explorer->progressDialogIsCanceled());
    runOnGuiThread([&] { window()->slotProgressDialogCanceled(); });
    EXPECT_TRUE(m_explorer->progressDialogIsCanceled());
    m_explorer->progressDialogClose();
    EXPECT_FALSE(m_explorer->progressDialogIsCanceled());

    // The wait cursor and sleep follow their timers.
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
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(MECreateNewObjEvent) > 0; }));
    EXPECT_EQ(m_host.ofType(MECreateNewObjEvent)[0].text, "Truck");
    EXPECT_EQ(
        m_host.ofType(MECreateNewObjEvent)[0].names, (std::vector<std::string> { "a", "b", "c" }));
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
        const auto moves = m_host.ofType(MESplittersMovedEvent);
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
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(FontIncreaseEvent) > 0; }));
    deliverEvents();
    EXPECT_EQ(m_host.count(FontIncreaseEvent), 1u) << "a wheel without Ctrl zooms nothing";
    EXPECT_EQ(m_host.count(FontDecreaseEvent), 1u);
}

TEST_F(ExplorerWindowTest, SearchBarAndPanelShowTheTextsGivenAtCreation)
{
    VXSearchBar* bar = own(vxtest::bridge()->createSearchBar(m_explorer));
    ASSERT_NE(bar, nullptr);
    bar->setDynamicWidgets({ "Label", "Name:", "StringEdit", "gain" }, false);
    // One panel made for the window, one made elsewhere and handed to it.
    VXSearchPanel* made = own(vxtest::bridge()->createSearchPanel(m_explorer));
    VXSearchPanel* handed = own(vxtest::bridge()->createSearchPanel(nullptr));
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

// The model view inside the window: tree, list, filter, link, tabs and the dialog pane.
class ModelViewTest : public ExplorerWindowTest { };

TEST_F(ModelViewTest, TreeAndListShowWhatTheHostSets)
{
    fill();
    std::vector<std::u16string> labels;
    m_explorer->fillVectorWithTreeViewText(&labels);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels.front(), u"Model");
    EXPECT_TRUE(m_explorer->isInHierarchy(handle(4)));
    EXPECT_FALSE(m_explorer->isInHierarchy(handle(99)));
    EXPECT_TRUE(m_explorer->expandTreeNode(handle(2)));
    EXPECT_FALSE(m_explorer->expandTreeNode(handle(99))) << "no such node";

    EXPECT_EQ(m_explorer->getListViewCount(), 3);
    EXPECT_EQ(takeText(m_explorer->getPropertyName(2, false)), "Info.Kind");
    EXPECT_EQ(takeText(m_explorer->getPropertyName(2, true)), "Kind") << "the title drops the path";
    EXPECT_EQ(takeText(m_explorer->getTreeNodeCheckboxState(handle(99))), "")
        << "an unknown node answers an empty text, not null";

    std::vector<void*> answer;
    m_explorer->fillVectorWithListViewText(&answer);
    int rows = 0, columns = 0;
    const std::size_t texts = takeListTexts(answer, &rows, &columns).size();
    EXPECT_EQ(texts, std::size_t(columns + rows * columns));
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(columns, 2);

    // Layout options read back from the window.
    EXPECT_FALSE(m_explorer->isDlgListViewLayoutVert());
    m_explorer->setDlgListViewLayoutVert(true);
    EXPECT_TRUE(m_explorer->isDlgListViewLayoutVert());
    EXPECT_TRUE(m_explorer->isDlgViewScrollable());
    m_explorer->setDlgViewScrollable(false);
    EXPECT_FALSE(m_explorer->isDlgViewScrollable());
    EXPECT_TRUE(m_explorer->isListViewTabBarVisible());
    m_explorer->showTreeView(false);
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_FALSE(modelView()->treeSide()->isVisible()); }));
}

TEST_F(ModelViewTest, SelectingARowPutsTheHostDialogInThePane)
{
    fill();
    VXDialog* dialog = own(vxtest::bridge()->createDialog(0));
    ASSERT_NE(dialog, nullptr);
    // The host shows the selected object's dialog, as a property editor would.
    m_host.setAnswer([&](const SeenListEvent& seen) {
        if (seen.type == SSSelectionChangedEvent)
            m_explorer->setCurrentDialog(seen.object == handle(12) ? dialog : nullptr);
    });
    runOnGuiThread([&] { clickRow(1); });
    ASSERT_TRUE(pumpUntil([&] { return !m_host.ofType(SSSelectionChangedEvent).empty(); }));
    EXPECT_EQ(m_host.ofType(SSSelectionChangedEvent).back().object, handle(12));
    ASSERT_TRUE(vxtest::pumpUntilOnGui([&] { return modelView()->isCurrentDialogVisible(); }));
    ASSERT_TRUE(runOnGuiThread([&] {
        QWidget* shown = modelView()->dialogPane()->currentDialog();
        EXPECT_EQ(shown, widgetOf<QWidget>(dialog));
        EXPECT_TRUE(modelView()->dialogPane()->isAncestorOf(shown));
        EXPECT_FALSE(modelView()->isCurrentDialogDirty())
            << "a dialog without an Apply button is never dirty";
    }));

    // Another row without a dialog empties the pane.
    runOnGuiThread([&] { clickRow(2); });
    ASSERT_TRUE(pumpUntil([&] { return m_host.ofType(SSSelectionChangedEvent).size() >= 2; }));
    ASSERT_TRUE(vxtest::pumpUntilOnGui([&] { return !modelView()->isCurrentDialogVisible(); }));
    m_host.setAnswer(nullptr);
}

TEST_F(ModelViewTest, FilterNarrowsTheList)
{
    fill();
    struct Case {
        const char16_t* text;
        int rows;
    };
    const Case cases[] = { { u"a", 3 }, { u"beta", 1 }, { u"Kind:A", 2 }, { u"zzz", 0 },
        { u"\"Beta\"", 0 }, { u"", 3 } };
    for (const Case& c : cases) {
        m_explorer->setFilterString(c.text);
        EXPECT_EQ(shownRows(), c.rows) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(m_explorer->getFilterString(), c.text);
        EXPECT_EQ(m_explorer->getListViewCount(), 3) << "filtering hides, never removes";
    }
    // Typed by the user: the list narrows and the host hears the text.
    runOnGuiThread([&] { QTest::keyClicks(dialogList()->filterEdit(), QStringLiteral("gam")); });
    ASSERT_TRUE(pumpUntil([&] {
        const auto seen = m_host.ofType(MEListFilterChangedEvent);
        return !seen.empty() && seen.back().text == "gam";
    }));
    EXPECT_EQ(shownRows(), 1);
}

TEST_F(ModelViewTest, TreeExpansionLinkAndTabsReachTheHost)
{
    fill();
    runOnGuiThread([&] {
        GuiTreeView* tree = modelView()->treePanel()->view();
        tree->setCurrentIndex(tree->treeModel()->indexFromItem(handle(2)));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Right);
    });
    ASSERT_TRUE(pumpUntil([&] { return !m_host.ofType(METreeExpandedEvent).empty(); }));
    EXPECT_EQ(m_host.ofType(METreeExpandedEvent).back().object, handle(2));

    m_explorer->replaceHyperlink(handle(2), u"Model/Car", u"", u"");
    EXPECT_EQ(m_explorer->getContentsOfString(), u"Model/Car");
    EXPECT_TRUE(m_explorer->isHyperLinkEnabled());
    runOnGuiThread([&] {
        GuiMEHyperlink* link = dialogList()->hyperlink();
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, link->rect().center());
    });
    m_explorer->clickHyperlink();
    ASSERT_TRUE(pumpUntil([&] { return m_host.ofType(MEViewHyperlinkEvent).size() >= 2; }));
    for (const SeenListEvent& seen : m_host.ofType(MEViewHyperlinkEvent))
        EXPECT_EQ(seen.object, handle(2));

    // A link without an object is disabled: a click tells nobody.
    m_explorer->replaceHyperlink(nullptr, u"", u"", u"");
    EXPECT_FALSE(m_explorer->isHyperLinkEnabled());
    EXPECT_EQ(m_explorer->getContentsOfString(), u"");

    m_explorer->setFilterString(u"beta");
    m_explorer->executeListViewTabBar(1);
    m_explorer->executeListViewTabBar(7);
    ASSERT_TRUE(pumpUntil([&] { return !m_host.ofType(METabBarSelectionEvent).empty(); }));
    deliverEvents();
    ASSERT_EQ(m_host.ofType(METabBarSelectionEvent).size(), 1u) << "tab 7 does not exist";
    EXPECT_EQ(m_host.ofType(METabBarSelectionEvent).front().value, 1);
    EXPECT_EQ(m_explorer->getFilterString(), u"") << "a tab change clears the filter";
    EXPECT_EQ(m_host.ofType(MEViewHyperlinkEvent).size(), 2u);
}

TEST_F(ModelViewTest, HostEditsAndRemovalsReportAsTheUsersWould)
{
    fill();
    runOnGuiThread([&] { clickRow(0); });
    ASSERT_TRUE(pumpUntil([&] { return !m_host.ofType(SSSelectionChangedEvent).empty(); }));

    m_explorer->editListViewNode(
        new std::vector<UDInterface*> { handle(12), handle(77) }, 1, u"b2");
    ASSERT_TRUE(pumpUntil([&] { return !m_host.ofType(SSItemsChangedEvent).empty(); }));
    EXPECT_EQ(m_host.ofType(SSItemsChangedEvent).back().records.size(), 1u)
        << "unknown objects skipped";
    EXPECT_EQ(m_host.ofType(SSItemsChangedEvent).back().object, handle(12));
    EXPECT_EQ(m_explorer->getListViewCount(), 3) << "the rows themselves stay";

    // Removing the selected row is a selection change.
    m_explorer->removeList(new std::vector<UDInterface*> { handle(11) });
    m_explorer->removeList(new std::vector<UDInterface*>());
    EXPECT_EQ(m_explorer->getListViewCount(), 2);
    ASSERT_TRUE(pumpUntil([&] { return m_host.ofType(SSSelectionChangedEvent).size() >= 2; }));

    m_explorer->clearList();
    EXPECT_EQ(m_explorer->getListViewCount(), 0);
}

TEST_F(ModelViewTest, ListWidthAndPaneMinimumSize)
{
    m_explorer->show(true, true);
    // The list gets the width asked for and the pane the rest, never less than nothing.
    struct Case {
        int grow;
        bool pastTheEnd;
    };
    const Case cases[] = { { 100, false }, { -50, false }, { 0, true } };
    ASSERT_TRUE(runOnGuiThread([&] {
        GuiMEDialogListView* split = modelView()->dialogListView();
        for (const Case& c : cases) {
            const QList<int> before = split->sizes();
            const int total = before.value(0) + before.value(1);
            ASSERT_GT(total, 200);
            const int width = c.pastTheEnd ? total + 50 : before.value(0) + c.grow;
            split->setListViewWidth(width);
            EXPECT_EQ(split->sizes().value(0), std::min(width, total)) << c.grow;
            EXPECT_EQ(split->sizes().value(1), std::max(0, total - width)) << c.grow;
        }
        // Hidden while collapsed, the pane comes back with its minimum width.
        const int total = split->sizes().value(0) + split->sizes().value(1);
        split->setSizes({ total, 0 });
        split->setDialogPanel(false);
        split->setDialogPanel(true);
        const int pane = split->sizes().value(1);
        EXPECT_EQ(pane, split->dialogPanel()->minimumSizeHint().expandedTo(QSize(1, 1)).width());
        EXPECT_GT(pane, 0);
    }));
}

TEST_F(ModelViewTest, DirtyDialogNeedsAnEnabledApplyButton)
{
    // In a button bar, enabled, dirty.
    const std::tuple<bool, bool, bool> cases[]
        = { { true, true, true }, { true, false, false }, { false, true, false } };
    for (const auto& [withBar, enabled, dirty] : cases) {
        ASSERT_TRUE(runOnGuiThread([&] {
            auto* dialog = new QWidget;
            QWidget* holder = dialog;
            if (withBar) {
                holder = new QWidget(dialog);
                holder->setObjectName(QStringLiteral("button_bar"));
            }
            auto* apply = new QPushButton(QStringLiteral("Apply"), holder);
            apply->setObjectName(QStringLiteral("Apply"));
            apply->setEnabled(enabled);
            GuiMEDialogPanel* pane = modelView()->dialogPane();
            pane->setCurrentDialog(dialog);
            EXPECT_EQ(pane->isCurrentDialogDirty(), dirty) << withBar << enabled;
            pane->setCurrentDialog(nullptr);
            delete dialog;
        }));
    }
}

TEST_F(ModelViewTest, ShortListLoadNeverShowsTheBusyBar)
{
    bool cancel = false;
    m_explorer->startListLoad(false, &cancel);
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_TRUE(modelView()->isListLoadPending()); }));
    m_explorer->stopListLoad();
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_FALSE(modelView()->isListLoadPending());
        EXPECT_FALSE(dialogList()->busyBar()->isRunning());
    }));
    // A long one does, until it stops.
    m_explorer->startListLoad(true, &cancel);
    EXPECT_TRUE(vxtest::pumpUntilOnGui([&] { return dialogList()->busyBar()->isRunning(); }));
    m_explorer->stopListLoad();
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_FALSE(dialogList()->busyBar()->isRunning()); }));
}

TEST_F(ModelViewTest, TabBarFollowsTheSearchBarAndThePanelSwitchesToSearchMode)
{
    m_explorer->show(true, true);
    VXSearchBar* bar = vxtest::bridge()->createSearchBar(m_explorer);
    ASSERT_NE(bar, nullptr);
    auto tabBarShown = [&] {
        bool shown = false;
        EXPECT_TRUE(runOnGuiThread([&] { shown = dialogList()->isTabBarVisible(); }));
        return shown;
    };
    for (bool visible : { true, false, true }) {
        ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiSearchBar>(bar)->setVisible(visible); }));
        ASSERT_EQ(tabBarShown(), visible) << "bar shown: " << visible;
    }
    delete bar;
    EXPECT_FALSE(tabBarShown());

    VXSearchPanel* panel = own(vxtest::bridge()->createSearchPanel(m_explorer));
    ASSERT_NE(panel, nullptr);
    m_explorer->addSearchPanel(panel);
    m_explorer->addSearchPanel(nullptr);
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_FALSE(list()->searchMode()) << "the panel starts hidden";
        dialogList()->searchPanel()->show();
        EXPECT_EQ(dialogList()->tabBar()->currentIndex(), 1);
        EXPECT_TRUE(list()->searchMode());
        EXPECT_FALSE(list()->viewport()->acceptDrops());
        dialogList()->searchPanel()->hide();
        EXPECT_EQ(dialogList()->tabBar()->currentIndex(), 0);
        EXPECT_FALSE(list()->searchMode());
    }));
    deliverEvents();
    EXPECT_TRUE(m_host.ofType(METabBarSelectionEvent).empty()) << "not the user's choice";
}

// Pictures for the documentation: tree, list and a host dialog in the pane, in both layouts.
TEST_F(ModelViewTest, Screenshots)
{
    fill();
    VXDialog* dialog = own(vxtest::bridge()->createDialog(0));
    ASSERT_NE(dialog, nullptr);
    dialog->setTitle("Properties");
    VXEdit* edit = own(vxtest::bridge()->createEdit(dialog, "beta"));
    ASSERT_NE(edit, nullptr);
    m_explorer->replaceHyperlink(handle(2), u"Model/Car", u"", u"");
    m_explorer->expandTreeNode(handle(2));
    m_explorer->selectTreeNode(handle(2));
    m_explorer->setCurrentDialog(dialog);
    for (bool vertical : { false, true }) {
        m_explorer->setDlgListViewLayoutVert(vertical);
        ASSERT_TRUE(runOnGuiThread([&] {
            window()->resize(900, 520);
            QApplication::processEvents();
            const QImage picture = window()->grab().toImage();
            EXPECT_GT(vxtest::countPixels(picture, vxtest::isText), 800) << "text is drawn";
            EXPECT_TRUE(vxtest::keepScreenshot(
                picture, vertical ? "explorer-vertical.png" : "explorer-horizontal.png"));
        }));
    }
}

// The records of every handover are built before any is posted, so the count is only written on
// the GUI thread until the round trip.
class ExplorerOwnershipTest : public ExplorerWindowTest {
protected:
    using RecordList = VXModelExplorer::RecordList;
    static RecordList* listOf(int count)
    {
        auto* list = new RecordList();
        for (int i = 0; i < count; ++i) {
            auto* record = new CountedRecord(handle(std::uintptr_t(i + 1)));
            record->addChild(new CountedRecord(handle(100)));
            list->push_back(record);
        }
        return list;
    }
    // Hands every kind of record over to `explorer`, then waits for the GUI side.
    static void handOver(VXModelExplorer& e)
    {
        ASSERT_EQ(CountedRecord::alive, 0);
        RecordList* lists[6];
        for (RecordList*& list : lists)
            list = listOf(3);
        EXPECT_EQ(CountedRecord::alive, 36);
        e.setRoot(static_cast<VXMEObjectMessageData*>(lists[0]->front()));
        lists[0]->pop_front();
        e.addList(lists[0]); // the rest of the root's list
        e.addList(lists[1]);
        e.replaceList(lists[2], u"x");
        e.editListNodes(lists[3]);
        e.updateNodes(lists[4], true);
        e.updatePendingData(lists[5]);
        vxtest::widgetCount();
    }
};

TEST_F(ExplorerOwnershipTest, LiveWindowAndMessagesWithoutAWindowFreeWhatTheyCarry)
{
    handOver(*m_explorer);
    EXPECT_EQ(CountedRecord::alive, 0);
    // A peer whose window never existed: every message is dropped at the dispatcher.
    QtModelExplorer orphan;
    handOver(orphan);
    EXPECT_EQ(CountedRecord::alive, 0);
}

void save(QWidget* widget, const char* name)
{
    const QImage picture = widget->grab().toImage();
    EXPECT_GT(vxtest::countPixels(picture, vxtest::isText), 50) << name;
    EXPECT_TRUE(vxtest::keepScreenshot(picture, name)) << name;
}

// Writes the pictures of docs/images when VX_SCREENSHOT_DIR names a directory.
TEST_F(ExplorerWindowTest, ScreenshotsOfWindowAndDialogs)
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
