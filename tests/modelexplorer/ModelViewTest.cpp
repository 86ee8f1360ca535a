// The explorer's model view end to end: a host sets the tree, the columns and the list, reads
// them back through the explorer's queries, and gets the events of what the user does on the
// tree, the list, the filter, the link and the tabs; a host dialog placed in the pane follows
// the list's selection. The list's models are watched by QAbstractItemModelTester throughout.
#include "engine/VXBridge.h"
#include "engine/VXDialog.h"
#include "engine/VXEdit.h"
#include "engine/VXModelExplorer.h"
#include "engine/VXSearchPanel.h"
#include "host/HostObjectDataFactory.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ListViewTestHost.h"
#include "tests/modelexplorer/ModelTester.h"
#include "tests/modelexplorer/TesterFailures.h"
#include "tests/modelexplorer/TreeTestRecords.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/WidgetLeakTest.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogList.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogListView.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogPanel.h"
#include "vx_qtgui/modelexplorer/GuiMEHyperlink.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/GuiModelView.h"
#include "vx_qtgui/modelexplorer/GuiTreePanel.h"
#include "vx_qtgui/modelexplorer/ODCustListTreeView.h"
#include "vx_qtgui/modelexplorer/ODProgressBar.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

using vxtest::deliverEvents;
using vxtest::pumpUntil;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

VXMEObjectMessageData* listRow(std::uintptr_t id, const char16_t* name, const char16_t* kind)
{
    return makeRecord(id, { name, kind }, name);
}

class ModelViewTest : public vxtest::WidgetLeakTest {
protected:
    void SetUp() override
    {
        vxtest::WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        VXHost::installObjectDataFactory();
        vxtest::testerfailures::start();
        std::map<int, std::u16string> strings
            = { { 1, u"Contents" }, { 2, u"Search Results" }, { 3, u"Contents of:" },
                  { 17, u"Model Explorer" }, { 23, u"Filter contents" }, { 24, u"Clear" } };
        m_explorer = own(vxtest::bridge()->createModelExplorer(strings));
        ASSERT_NE(m_explorer, nullptr);
        m_host.watch(m_explorer,
            { METreeExpandedEvent, METreeSelectionChangedEvent, SSSelectionChangedEvent,
                SSItemsChangedEvent, MEListFilterChangedEvent, MEViewHyperlinkEvent,
                METabBarSelectionEvent });
        runOnGuiThread([&] {
            m_modelTester = vxtest::watchModel(dialogList()->listModel());
            m_proxyTester = vxtest::watchModel(dialogList()->proxyModel());
        });
    }

    void TearDown() override
    {
        runOnGuiThread([&] {
            m_proxyTester.reset();
            m_modelTester.reset();
        });
        EXPECT_EQ(vxtest::testerfailures::count(), 0)
            << "QAbstractItemModelTester found broken invariants";
        vxtest::WidgetLeakTest::TearDown();
    }

    // GUI thread.
    GuiModelExplorer* window() { return widgetOf<GuiModelExplorer>(m_explorer); }
    GuiModelView* modelView() { return window()->modelView(); }
    GuiMEDialogList* dialogList() { return modelView()->dialogList(); }
    GuiListView* list() { return modelView()->listView(); }

    // Engine thread: a tree "Model(Car(Wheel) Truck)" and three rows with two columns.
    void fill()
    {
        m_explorer->setRoot(treeNode(1, u"Model",
            { treeNode(2, u"Car", { treeNode(4, u"Wheel") }), treeNode(3, u"Truck") }));
        auto* names = new VXStringList;
        names->addElement("Name");
        names->addElement("Info.Kind");
        m_explorer->replacePropertyNames(names, nullptr);
        auto* rows = new VXMEObjectDataList { listRow(11, u"alpha", u"A"),
            listRow(12, u"beta", u"B"), listRow(13, u"gamma", u"A") };
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
    ListViewTestHost m_host;
    std::unique_ptr<QAbstractItemModelTester> m_modelTester;
    std::unique_ptr<QAbstractItemModelTester> m_proxyTester;
};

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

    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(modelView()->treePanel()->view()->isVisible());
        EXPECT_TRUE(list()->isVisible());
    }));

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

// GUI-side rules of the list-and-pane splitter, on a window of known size.
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
    struct Case {
        bool withBar;
        bool enabled;
        bool dirty;
    };
    const Case cases[] = { { true, true, true }, { true, false, false }, { false, true, false } };
    for (const Case& c : cases) {
        ASSERT_TRUE(runOnGuiThread([&] {
            auto* dialog = new QWidget;
            QWidget* holder = dialog;
            if (c.withBar) {
                holder = new QWidget(dialog);
                holder->setObjectName(QStringLiteral("button_bar"));
            }
            auto* apply = new QPushButton(QStringLiteral("Apply"), holder);
            apply->setObjectName(QStringLiteral("Apply"));
            apply->setEnabled(c.enabled);
            GuiMEDialogPanel* pane = modelView()->dialogPane();
            pane->setCurrentDialog(dialog);
            EXPECT_EQ(pane->isCurrentDialogDirty(), c.dirty) << c.withBar << c.enabled;
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

TEST_F(ModelViewTest, SearchPanelSwitchesTheListToSearchMode)
{
    m_explorer->show(true, true);
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

} // namespace
