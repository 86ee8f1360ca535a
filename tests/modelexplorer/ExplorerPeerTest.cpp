// Explorer and spreadsheet operations, one case each: the peer hands the GUI side one message of
// the id of its row, and the bridge refuses nothing on the way (it holds every message to the
// catalogue's payload class and delivery). A probe stands in for the widget and records what
// arrives; owned payloads it never takes are freed with their messages. Operations whose effect
// ExplorerWindowTest reads back through the real window are left to it.
#include "engine/VXBridge.h"
#include "engine/VXPanel.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "messaging/QtMessage.h"
#include "messaging/QtModelExplorer.h"
#include "messaging/QtSpreadSheet.h"
#include "messaging/VXMessageCatalogue.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiWidget.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

namespace {

/// One message as it reached the probe.
struct SeenMessage {
    int id;
    bool sent;
};

/// Stands in for a peer's widget: records every message, answers nothing.
class MessageProbe : public GuiWidget {
public:
    MessageProbe(void* key, std::vector<SeenMessage>* seen, std::mutex* lock)
        : GuiWidget(key)
        , m_seen(seen)
        , m_lock(lock)
    {
    }
    void vxMessageNotify(VXMessageType type, QtMessage* msg) override
    {
        std::lock_guard<std::mutex> hold(*m_lock);
        m_seen->push_back({ int(type), msg->m_syncControl != nullptr });
    }

private:
    std::vector<SeenMessage>* m_seen;
    std::mutex* m_lock;
};

/// A fresh list holding one record of handle(1), and one holding the name "Name".
VXMEObjectDataList* records()
{
    return new VXMEObjectDataList { new VXMEObjectMessageData(handle(1)) };
}
VXStringList* names()
{
    auto* list = new VXStringList();
    list->addElement("Name");
    return list;
}

/// One row of a peer's operation table: calling it must hand the GUI side a message of this id.
template <class Peer> struct PeerOperation {
    const char* name; // the message id's name
    const char* text; // the call, shown when the row fails
    std::function<void(Peer&)> call;
    VXMessageType id;
};

/// A row of a table: the call made on the peer `p`, and the message id it must send.
#define OP(call, id)                                                                               \
    {                                                                                              \
#id, #call, [](auto& p) { call; }, id                                                      \
    }

template <class Peer> std::ostream& operator<<(std::ostream& out, const PeerOperation<Peer>& op)
{
    return out << op.text;
}

/// A case name: the message id, numbered since two rows may send the same id.
template <class Peer>
std::string operationName(const testing::TestParamInfo<PeerOperation<Peer>>& info)
{
    return std::string(info.param.name) + "_" + std::to_string(info.index);
}

/// A fresh `Peer` per case with a probe registered for it on the GUI thread; the cases call
/// one operation each and compare what arrived with the operation's row.
template <class Peer> class PeerProbeTest : public testing::TestWithParam<PeerOperation<Peer>> {
protected:
    void SetUp() override
    {
        ASSERT_NE(vxtest::bridge(), nullptr);
        m_peer = new Peer();
        vxtest::runOnGuiThread([this] {
            GuiApplication::putWidget(m_peer, new MessageProbe(m_peer, &m_seen, &m_lock));
        });
        m_mismatches = VXMessageCatalogue::mismatchCount();
    }
    void TearDown() override
    {
        delete m_peer; // its destroy message deletes the probe
        EXPECT_TRUE(vxtest::pumpUntilOnGui([] { return true; }));
    }
    std::vector<SeenMessage> seen()
    {
        vxtest::widgetCount(); // a round trip: everything posted before has been handled
        std::lock_guard<std::mutex> hold(m_lock);
        return m_seen;
    }
    /// Calls the operation and checks the first message that arrived against its row and the
    /// catalogue (the bridge refuses and counts a message of another payload or delivery);
    /// returns all that arrived.
    std::vector<SeenMessage> callAndCheck(const PeerOperation<Peer>& op)
    {
        op.call(*m_peer);
        const std::vector<SeenMessage> arrived = seen();
        EXPECT_EQ(VXMessageCatalogue::mismatchCount(), m_mismatches);
        EXPECT_FALSE(arrived.empty()) << "nothing reached the widget";
        if (arrived.empty())
            return arrived;
        EXPECT_EQ(arrived[0].id, int(op.id));
        const VXMessageCatalogue::Row* row = VXMessageCatalogue::find(op.id);
        EXPECT_NE(row, nullptr);
        if (row) {
            EXPECT_NE(row->delivery, VXMessageCatalogue::Open) << "the row is settled";
        }
        return arrived;
    }

    Peer* m_peer = nullptr;
    std::vector<SeenMessage> m_seen;
    std::mutex m_lock;
    int m_mismatches = 0;
};

std::vector<UDInterface*> s_objects { handle(1), handle(2) };
std::vector<void*> s_pointers;
VXModelExplorer::RecordList s_filled;
VXMEObjectMessageData* node()
{
    return new VXMEObjectMessageData(handle(1));
}
std::vector<UDInterface*>* handles()
{
    return new std::vector<UDInterface*>(s_objects);
}

const PeerOperation<QtModelExplorer> kOperations[] = {
    OP(p.minimize(), ShowMinimizedMsg),
    OP(p.replaceSubtreeAndRequest(node()), MEReplaceSubtreeNRequestMsg),
    OP(p.replaceSubtree(node()), MEReplaceSubtreeMsg),
    OP(p.removeSubtrees(handles()), MERemoveSubtreesMsg),
    OP(p.updatePendingData(records()), MESetPendingDataMsg),
    OP(p.selectAndCreateNewObject(true), MECreateNewObjMsg),
    OP(p.setWindowIcon("x.png"), MESetIconMsg),
    OP(p.isVisible(), MEIsVisibleMsg),
    OP(p.hasFocus(), MEHasFocusMsg),
    OP(p.selectTreeNode(handle(1)), MESelectTreeNodeMsg),
    OP(p.selectListNodes(handles()), MESelectListNodesMsg),
    OP(p.selectListNode("Name", "a"), MESelectListNodeMsg),
    OP(p.selectListNodes(handle(1), { 1, 2 }, handle(2)), MESelectListNodeIndicesMsg),
    OP(p.highlightNodes({ { handle(1), VRIX::Color() } }), MEHighlightNodesMsg),
    OP(p.unhighlightNodes(s_objects), MEUnhighlightNodesMsg),
    OP(p.doubleClickListNodes(&s_objects), MEDoubleClickListNodesMsg),
    OP(p.selectAllListNodes(true), MESelectAllListNodesMsg),
    OP(p.addPopupMenu(nullptr, 1, 2), MEAddPopupMenuMsg),
    OP(p.setAcceptedActions(handle(1), VRIX::CopyAction), MEAcceptedActionsMsg),
    OP(p.collapseTreeNode(handle(1)), MECollapseTreeNodeMsg),
    OP(p.fillVectorWithVisibleTreeNodes(&s_objects), MEFillVectorWithVisibleTreeNodesMsg),
    OP(p.fillVectorWithVisibleListNodes(&s_filled), MEFillVectorWithVisibleListNodesMsg),
    OP(p.loadListViewContent(), MELoadListViewContentMsg),
    OP(p.getGroupCount(), MEGetGroupCountMsg),
    OP(p.fillVectorWithGroupChildren("g", &s_pointers), MEFillVectorWithGroupChildrenMsg),
    OP(p.changeViewOptions(new VXMEViewAttributes()), MEChangeViewOptionsMsg),
    OP(p.changeNavOptions(new VXMENavigationAttributes()), MEChangeNavOptionsMsg),
    OP(p.fillVectorWithSelectedListNodes(&s_filled), MEFillVectorWithSelectedListNodesMsg),
    OP(p.enableListSorting(true, "Name", true, false, false), SSEnableSortingMsg),
    OP(p.progressDialog(u"L", u"C", 10, 1, 0, false), MEProgressDialogMsg),
    OP(p.setTreeColumnTitle("Tree"), MESetTreeColumnTitleMsg),
    OP(p.showContentsOf(true), MEShowContentsOfMsg),
    OP(p.showListView(true), MEShowListViewMsg),
    OP(p.showStatusBar(true), MEShowStatusBarMsg),
    OP(p.showFilterContents(true), MEShowFilterContentsMsg),
    OP(p.showContentsOfHyperlink(true), MEShowContentsOfHyperlinkMsg),
    OP(p.enableToolbarMenu(false), MEEnableToolbarMenuMsg),
    OP(p.setNeverAskAgain(true), MENeverAskAgainMsg),
    OP(p.selectCurrentItem(), MESelectCurrentItemMsg),
    OP(p.isNodePixmapForReadOnly(handle(1), "p"), MEIsNodePixmapForReadOnlyMsg),
    OP(p.getReplaceListCounter(), MEGetReplaceListCounterMsg),
    OP(p.canDragStart(true), MECanDragStartMsg),
    OP(p.isListNodePropReadOnly(handle(1), 2), MEIsListNodePropReadOnlyMsg),
    OP(p.setListViewVisible(true), MESetListViewVisibleMsg),
    OP(p.setListMultiSelect(true), MESetListMultiSelectMsg),
    OP(p.stopWait(), MEStopWaitMsg),
    OP(p.autosizeListViewColumn("c"), MEAutosizeListViewColumnMsg),
    OP(p.getListViewStrColWidth("c", "t"), MEGetListViewStrColWidthMsg),
    OP(p.setListViewStrColWidth("c", "t", 3), MESetListViewStrColWidthMsg),
    OP(p.getListViewMaxCharColWidth("c"), MEGetListViewMaxCharColWidthMsg),
    OP(p.setListViewMaxCharColWidth("c", 3), MESetListViewMaxCharColWidthMsg),
    OP(p.getListViewAvgCharColWidth("c"), MEGetListViewAvgCharColWidthMsg),
    OP(p.setListViewAvgCharColWidth("c", 3), MESetListViewAvgCharColWidthMsg),
    OP(p.reorderColumns(names()), MEReorderColumnsMsg),
    OP(p.addTreeAction(nullptr), MEAddTreeActionMsg),
    OP(p.removeTreeAction(nullptr), MERemoveTreeActionMsg),
    OP(p.setListViewManager(nullptr), MESetListViewManagerMsg),
    OP(p.setScopeOption(nullptr), MESetScopeOptionMsg),
    OP(p.groupBy("c"), MEGroupByMsg),
    OP(p.setGroupColumn("c"), MESetGroupColumnMsg),
    OP(std::free(p.getGroupColumn()), MEGetGroupColumnMsg),
    OP(p.expandGroup("g"), MEExpandGroupMsg),
    OP(p.collapseGroup("g"), MECollapseGroupMsg),
    OP(p.setHideGroupColumn(true), MESetHideGroupColumnMsg),
    OP(p.getHideGroupColumn(), MEGetHideGroupColumnMsg),
    OP(p.setFreezeColumn("c"), MESetFreezeColumnMsg),
    OP(p.enableFreezePane(true), MEEnableFreezePaneMsg),
    OP(p.setShowGroupCount(true), MESetShowGroupCountMsg),
    OP(p.getShowGroupCount(), MEGetShowGroupCountMsg),
    OP(p.setShowGroupName(true), MESetShowGroupNameMsg),
    OP(p.getShowGroupName(), MEGetShowGroupNameMsg),
    OP(p.addAccordionPane(u"a", u"b", u"c", u"d", u"e"), MEAddAccordionPaneMsg),
    OP(p.removeAccordionPane(u"a"), MERemoveAccordionPaneMsg),
    OP(p.selectAccordionPane(u"a"), MESelectAccordionPaneMsg),
    OP(p.showAccordionPane(u"a"), MEShowAccordionPaneMsg),
    OP(p.hideAccordionPane(u"a"), MEHideAccordionPaneMsg),
    OP(p.setListViewInfoPanel(nullptr), MESetListViewInfoPanelMsg),
    OP(p.getListLoadTestFlag(), MEGetListLoadTestFlagMsg),
    OP(p.getPossibleListViewItemCount(), MEGetPossibleListViewItemCountMsg),
    OP(p.getLoadedListViewNodes(&s_objects), MEGetLoadedListViewNodesMsg),
    OP(p.getLoadedListViewText(&s_pointers), MEGetLoadedListViewTextMsg),
    OP(p.scrollListView(3), MEScrollListViewMsg),
    OP(p.setItemInfoForIncrementalLoad(3, handle(1), names(), names()),
        MESetItemInfoForIncrementalLoadMsg),
    OP(p.clearIndices(handle(1), { 1 }), MEClearIndicesMsg),
    OP(p.setAutoExpand(true), MESetAutoExpandMsg),
    OP(p.setDropCancel(), MESetDropCancelMsg),

};

class ExplorerPeerTest : public PeerProbeTest<QtModelExplorer> { };

TEST_P(ExplorerPeerTest, OperationSendsOneMessageOfItsRow)
{
    const auto& op = GetParam();
    EXPECT_EQ(callAndCheck(op).size(), 1u);
    EXPECT_TRUE(GuiModelExplorer::routes(op.id)) << "the window has no route for it";
}

INSTANTIATE_TEST_SUITE_P(AllOperations, ExplorerPeerTest, testing::ValuesIn(kOperations),
    operationName<QtModelExplorer>);

TEST_F(ExplorerPeerTest, ShowWaitsOnlyWhenAskedAndAWaitingHideReturnsAfterARoundTrip)
{
    m_peer->show(true, false);
    m_peer->show(true, true);
    m_peer->show(false, true);
    const std::vector<SeenMessage> arrived = seen();
    ASSERT_EQ(arrived.size(), 4u);
    EXPECT_FALSE(arrived[0].sent);
    EXPECT_TRUE(arrived[1].sent);
    EXPECT_EQ(arrived[2].id, int(HideMsg));
    EXPECT_EQ(arrived[3].id, int(MEIsVisibleMsg));
    EXPECT_TRUE(arrived[3].sent);
}

TEST_F(ExplorerPeerTest, QueriesWithoutAnAnswerFallBack)
{
    // The probe answers nothing: every query takes its failure result.
    EXPECT_EQ(m_peer->getTitle(), std::u16string());
    EXPECT_EQ(m_peer->getWindowIcon(), nullptr);
    EXPECT_EQ(m_peer->getTreeNodeCheckboxState(handle(1)), nullptr);
    EXPECT_FALSE(m_peer->isVisible());
    EXPECT_EQ(m_peer->getListViewWidth(), 0);
    int x = 7, y = 7, w = 7, h = 7;
    m_peer->getPosition(x, y, w, h);
    EXPECT_EQ(std::vector<int>({ x, y, w, h }), std::vector<int>({ 0, 0, 0, 0 }));
    bool apply = true, never = true;
    int handled = 5;
    m_peer->showSelectionChangedDialog(apply, never, handled, false);
    EXPECT_FALSE(apply);
    EXPECT_FALSE(never);
    EXPECT_EQ(handled, 0);
}

TEST_F(ExplorerPeerTest, ProgressIsPostedEvenWhileHostPostsAreSent)
{
    VXBridge::m_imPost = true;
    m_peer->setTitle(u"T");
    m_peer->progressDialog(u"L", u"C", 10, 1, 0, false);
    const bool restored = VXBridge::m_imPost;
    VXBridge::m_imPost = false;
    EXPECT_TRUE(restored);
    const std::vector<SeenMessage> arrived = seen();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_TRUE(arrived[0].sent) << "the flag turns a post into a send";
    EXPECT_FALSE(arrived[1].sent) << "the progress call stays a post";
}

// The spreadsheet's operations, the same way; SpreadSheetTest reads back those the sheet shows.

const PeerOperation<QtSpreadSheet> kSheetOperations[] = {
    OP(p.setVisible(false), SSShowMsg),
    OP(p.showColumns(), SSShowColumnsMsg),
    OP(p.hideColumns(), SSHideColumnsMsg),
    OP(p.updatePendingData(records()), SSUpdatePendingDataMsg),
    OP(p.updateNodes(records(), true), MEUpdateNodesMsg),
    OP(p.editListNodes(records()), MEEditListNodesMsg),
    OP(p.setFilterWidget(nullptr), SSSetFilterWidgetMsg),
    OP(p.setListViewManager(nullptr), MESetListViewManagerMsg),
    OP(p.clickHyperlink(handle(1), "Link"), SSClickHyperLinkMsg),
    OP(p.loadAllContent(), SSLoadAllContentMsg),
    OP(p.getListLoadFlagStatus(), SSGetListLoadFlagStatusMsg),
    OP(p.setEnabled(false), SSSetEnabledMsg),
    OP(p.isEnabled(), IsEnabledMsg),
    OP(p.isVisible(), IsVisibleMsg),
};

class SpreadSheetPeerTest : public PeerProbeTest<QtSpreadSheet> { };

TEST_P(SpreadSheetPeerTest, OperationSendsOneMessageOfItsRow)
{
    EXPECT_EQ(callAndCheck(GetParam()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(AllOperations, SpreadSheetPeerTest, testing::ValuesIn(kSheetOperations),
    operationName<QtSpreadSheet>);

TEST_F(SpreadSheetPeerTest, QueriesWithoutAnAnswerFallBack)
{
    EXPECT_EQ(m_peer->getFilterText(), std::u16string());
    EXPECT_FALSE(m_peer->isInView(handle(1)));
    EXPECT_FALSE(m_peer->isItemDrawnDisabled(handle(1), 1));
    EXPECT_FALSE(m_peer->getListLoadFlagStatus());
}

TEST(SpreadSheetBridge, BridgeBuildsThePeerAndAHiddenWidgetUnderItsParent)
{
    VXBridge* bridge = vxtest::bridge();
    ASSERT_NE(bridge, nullptr);
    VXWidget* parent = bridge->createPanel();
    auto* sheet = dynamic_cast<QtSpreadSheet*>(bridge->createSpreadSheet(parent));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->getParent(), parent);
    vxtest::runOnGuiThread([&] {
        auto* widget = vxtest::widgetOf<GuiSpreadSheet>(sheet);
        ASSERT_NE(widget, nullptr);
        EXPECT_TRUE(widget->isHidden()) << "created hidden";
        EXPECT_EQ(widget->parentWidget(), dynamic_cast<QWidget*>(vxtest::findWidget(parent)));
        EXPECT_TRUE(widget->listModel()->isSpreadsheetMode());
    });
    EXPECT_FALSE(sheet->isVisible());
    delete parent; // takes the spreadsheet with it
}

} // namespace
