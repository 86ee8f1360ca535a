// Every explorer operation, one case each: the peer hands the GUI side one message of the id of
// its row, and the bridge refuses nothing on the way (it holds every message to the catalogue's
// payload class and delivery). A probe stands in for the window and records what arrives; owned
// payloads it never takes are freed with their messages.
#include "engine/VXBridge.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "messaging/QtModelExplorer.h"
#include "tests/modelexplorer/PeerProbe.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

#include <cstdlib>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Seen = vxtest::SeenMessage;
using vxtest::names;
using vxtest::object;
using vxtest::records;

using Operation = vxtest::PeerOperation<QtModelExplorer>;
#define OP(...) VX_PEER_OPERATION(QtModelExplorer, __VA_ARGS__)
std::vector<UDInterface*> s_objects { object(1), object(2) };
std::vector<std::u16string> s_texts;
std::vector<void*> s_pointers;
VXModelExplorer::RecordList s_filled;
bool s_cancel = false;
int s_ints[4] = { 1, 2 };
bool s_flags[2];
VXMEObjectMessageData* node()
{
    return new VXMEObjectMessageData(object(1));
}
std::vector<UDInterface*>* handles()
{
    return new std::vector<UDInterface*>(s_objects);
}

const Operation kOperations[] = {
    OP(setRoot, p.setRoot(node()), MESetRootMsg),
    OP(show, p.show(true, false), ShowMsg),
    OP(hide, p.show(false, false), HideMsg),
    OP(minimize, p.minimize(), ShowMinimizedMsg),
    OP(replaceSubtreeAndRequest, p.replaceSubtreeAndRequest(node()), MEReplaceSubtreeNRequestMsg),
    OP(replaceSubtree, p.replaceSubtree(node()), MEReplaceSubtreeMsg),
    OP(removeSubtrees, p.removeSubtrees(handles()), MERemoveSubtreesMsg),
    OP(replacePropertyNames, p.replacePropertyNames(names(), names()), MEReplacePropertyNames),
    OP(addList, p.addList(records()), MEAddListMsg),
    OP(replaceList, p.replaceList(records(), u"t"), MEReplaceListMsg),
    OP(removeList, p.removeList(handles()), MERemoveListMsg),
    OP(clearList, p.clearList(), MEClearListMsg),
    OP(replaceHyperlink, p.replaceHyperlink(object(1), u"a", u"b", u"c"), MEReplaceHyperlinkMsg),
    OP(editListNodes, p.editListNodes(records()), MEEditListNodesMsg),
    OP(updateNodes, p.updateNodes(records(), true), MEUpdateNodesMsg),
    OP(updatePendingData, p.updatePendingData(records()), MESetPendingDataMsg),
    OP(replaceObjSelectionList, p.replaceObjSelectionList(names()), MEReplaceObjSelectionListMsg),
    OP(selectAndCreateNewObject, p.selectAndCreateNewObject(true), MECreateNewObjMsg),
    OP(setPosition, p.setPosition(1, 2, 3, 4), MESetPositionMsg),
    OP(getPosition, p.getPosition(s_ints[0], s_ints[1], s_ints[2], s_ints[3]), MEGetPositionMsg),
    OP(setFont, p.setFont("Sans", 9, 1, 0, 0), SetFontMsg),
    OP(setSplitterSizes, p.setSplitterSizes(s_ints, 2), MESetSplitterSizesMsg),
    OP(setWindowIcon, p.setWindowIcon("x.png"), MESetIconMsg),
    OP(getWindowIcon, std::free(p.getWindowIcon()), MEGetIconMsg),
    OP(setTitle, p.setTitle(u"T"), MESetTitleMsg),
    OP(setStatusMessage, p.setStatusMessage(u"S", 5), MESetStatusMsg),
    OP(getTitle, p.getTitle(), MEGetTitleMsg),
    OP(isVisible, p.isVisible(), MEIsVisibleMsg),
    OP(hasFocus, p.hasFocus(), MEHasFocusMsg),
    OP(executeMenuItem8, p.executeMenuItem("Go", nullptr, nullptr), MEExecMenuItemMsg),
    OP(selectTreeNode, p.selectTreeNode(object(1)), MESelectTreeNodeMsg),
    OP(selectListNodes, p.selectListNodes(handles()), MESelectListNodesMsg),
    OP(selectListNode, p.selectListNode("Name", "a"), MESelectListNodeMsg),
    OP(selectListNodeIndices, p.selectListNodes(object(1), { 1, 2 }, object(2)),
        MESelectListNodeIndicesMsg),
    OP(highlightNodes, p.highlightNodes({ { object(1), VRIX::Color() } }), MEHighlightNodesMsg),
    OP(unhighlightNodes, p.unhighlightNodes(s_objects), MEUnhighlightNodesMsg),
    OP(doubleClickListNodes, p.doubleClickListNodes(&s_objects), MEDoubleClickListNodesMsg),
    OP(selectAllListNodes, p.selectAllListNodes(true), MESelectAllListNodesMsg),
    OP(addSubMenu8, p.addSubMenu(nullptr, "File"), MEAddSubMenuMsg),
    OP(addPopupMenu, p.addPopupMenu(nullptr, 1, 2), MEAddPopupMenuMsg),
    OP(clearMenus, p.clearMenus(), MEClearMenusMsg),
    OP(close, p.close(true), MECloseMsg),
    OP(setAcceptedActions, p.setAcceptedActions(object(1), VRIX::CopyAction), MEAcceptedActionsMsg),
    OP(setCurrentDialog, p.setCurrentDialog(nullptr), MESetCurrentDialogMsg),
    OP(expandTreeNode, p.expandTreeNode(object(1)), MEExpandTreeNodeMsg),
    OP(collapseTreeNode, p.collapseTreeNode(object(1)), MECollapseTreeNodeMsg),
    OP(clickHyperlink, p.clickHyperlink(), SSClickHyperLinkMsg),
    OP(fillVectorWithVisibleTreeNodes, p.fillVectorWithVisibleTreeNodes(&s_objects),
        MEFillVectorWithVisibleTreeNodesMsg),
    OP(fillVectorWithTreeViewText, p.fillVectorWithTreeViewText(&s_texts),
        MEFillVectorWithTreeViewTextMsg),
    OP(fillVectorWithVisibleListNodes, p.fillVectorWithVisibleListNodes(&s_filled),
        MEFillVectorWithVisibleListNodesMsg),
    OP(fillVectorWithListViewText, p.fillVectorWithListViewText(&s_pointers),
        SSFillVectorWithTextMsg),
    OP(loadListViewContent, p.loadListViewContent(), MELoadListViewContentMsg),
    OP(getGroupCount, p.getGroupCount(), MEGetGroupCountMsg),
    OP(fillVectorWithGroupChildren, p.fillVectorWithGroupChildren("g", &s_pointers),
        MEFillVectorWithGroupChildrenMsg),
    OP(setFilterString, p.setFilterString(u"f"), MESetFilterStringMsg),
    OP(getFilterString, p.getFilterString(), MEGetFilterStringMsg),
    OP(getContentsOfString, p.getContentsOfString(), MEGetContentsOfStringMsg),
    OP(changeViewOptions, p.changeViewOptions(new VXMEViewAttributes()), MEChangeViewOptionsMsg),
    OP(changeNavOptions, p.changeNavOptions(new VXMENavigationAttributes()), MEChangeNavOptionsMsg),
    OP(selectListNodesSync, p.selectListNodesSync(&s_objects, "Press", "TREE"),
        MESelectListNodesSyncMsg),
    OP(fillVectorWithSelectedListNodes, p.fillVectorWithSelectedListNodes(&s_filled),
        MEFillVectorWithSelectedListNodesMsg),
    OP(enableListSorting, p.enableListSorting(true, "Name", true, false, false),
        SSEnableSortingMsg),
    OP(addSearchPanel, p.addSearchPanel(nullptr), MEAddSearchPanelMsg),
    OP(progressDialog, p.progressDialog(u"L", u"C", 10, 1, 0, false), MEProgressDialogMsg),
    OP(progressDialogClose, p.progressDialogClose(), MEProgressDialogCloseMsg),
    OP(progressDialogIsCanceled, p.progressDialogIsCanceled(), MEProgressDialogIsCanceledMsg),
    OP(setTreeColumnTitle8, p.setTreeColumnTitle("Tree"), MESetTreeColumnTitleMsg),
    OP(showContentsOf, p.showContentsOf(true), MEShowContentsOfMsg),
    OP(showTreeView, p.showTreeView(true), MEShowTreeViewMsg),
    OP(showListView, p.showListView(true), MEShowListViewMsg),
    OP(showStatusBar, p.showStatusBar(true), MEShowStatusBarMsg),
    OP(showFilterContents, p.showFilterContents(true), MEShowFilterContentsMsg),
    OP(showContentsOfHyperlink, p.showContentsOfHyperlink(true), MEShowContentsOfHyperlinkMsg),
    OP(enableToolbarMenu, p.enableToolbarMenu(false), MEEnableToolbarMenuMsg),
    OP(setListViewWidth, p.setListViewWidth(5), MESetListViewWidthMsg),
    OP(getListViewWidth, p.getListViewWidth(), MEGetListViewWidthMsg),
    OP(editListViewNode, p.editListViewNode(handles(), 1, u"v"), MEEditListViewNodeMsg),
    OP(countMenuBarItems, p.countMenuBarItems(), MECountMenuBarItemsMsg),
    OP(getTreeNodeCheckboxState, std::free(p.getTreeNodeCheckboxState(object(1))),
        MEGetCheckStateMsg),
    OP(setNeverAskAgain, p.setNeverAskAgain(true), MENeverAskAgainMsg),
    OP(isHyperLinkEnabled, p.isHyperLinkEnabled(), MEIsHyperLinkEnabledMsg),
    OP(isListViewTabBarVisible, p.isListViewTabBarVisible(), MEIsListViewTabBarVisibleMsg),
    OP(executeListViewTabBar, p.executeListViewTabBar(1), MEExecuteListViewTabBarMsg),
    OP(selectCurrentItem, p.selectCurrentItem(), MESelectCurrentItemMsg),
    OP(isNodePixmapForReadOnly, p.isNodePixmapForReadOnly(object(1), "p"),
        MEIsNodePixmapForReadOnlyMsg),
    OP(getPropertyName, std::free(p.getPropertyName(1, true)), MEGetPropertyNameMsg),
    OP(getReplaceListCounter, p.getReplaceListCounter(), MEGetReplaceListCounterMsg),
    OP(canDragStart, p.canDragStart(true), MECanDragStartMsg),
    OP(isListNodePropReadOnly, p.isListNodePropReadOnly(object(1), 2), MEIsListNodePropReadOnlyMsg),
    OP(setListViewVisible, p.setListViewVisible(true), MESetListViewVisibleMsg),
    OP(setListMultiSelect, p.setListMultiSelect(true), MESetListMultiSelectMsg),
    OP(startWait, p.startWait(10), MEStartWaitMsg),
    OP(stopWait, p.stopWait(), MEStopWaitMsg),
    OP(setDlgListViewLayoutVert, p.setDlgListViewLayoutVert(true), MESetDlgListViewLayoutVertMsg),
    OP(isDlgListViewLayoutVert, p.isDlgListViewLayoutVert(), MEIsDlgListViewLayoutVertMsg),
    OP(setDlgViewScrollable, p.setDlgViewScrollable(true), MESetDlgViewScrollableMsg),
    OP(isDlgViewScrollable, p.isDlgViewScrollable(), MEIsDlgViewScrollableMsg),
    OP(autosizeListViewColumn, p.autosizeListViewColumn("c"), MEAutosizeListViewColumnMsg),
    OP(getListViewStrColWidth, p.getListViewStrColWidth("c", "t"), MEGetListViewStrColWidthMsg),
    OP(setListViewStrColWidth, p.setListViewStrColWidth("c", "t", 3), MESetListViewStrColWidthMsg),
    OP(getListViewMaxCharColWidth, p.getListViewMaxCharColWidth("c"),
        MEGetListViewMaxCharColWidthMsg),
    OP(setListViewMaxCharColWidth, p.setListViewMaxCharColWidth("c", 3),
        MESetListViewMaxCharColWidthMsg),
    OP(getListViewAvgCharColWidth, p.getListViewAvgCharColWidth("c"),
        MEGetListViewAvgCharColWidthMsg),
    OP(setListViewAvgCharColWidth, p.setListViewAvgCharColWidth("c", 3),
        MESetListViewAvgCharColWidthMsg),
    OP(showSelectionChangedDialog,
        p.showSelectionChangedDialog(s_flags[0], s_flags[1], s_ints[0], true),
        MESelectionChangedDialogMsg),
    OP(reorderColumns, p.reorderColumns(names()), MEReorderColumnsMsg),
    OP(addTreeAction, p.addTreeAction(nullptr), MEAddTreeActionMsg),
    OP(removeTreeAction, p.removeTreeAction(nullptr), MERemoveTreeActionMsg),
    OP(setListViewManager, p.setListViewManager(nullptr), MESetListViewManagerMsg),
    OP(setScopeOption, p.setScopeOption(nullptr), MESetScopeOptionMsg),
    OP(isInHierarchy, p.isInHierarchy(object(1)), MEIsInHierarchyMsg),
    OP(groupBy, p.groupBy("c"), MEGroupByMsg),
    OP(setGroupColumn, p.setGroupColumn("c"), MESetGroupColumnMsg),
    OP(getGroupColumn, std::free(p.getGroupColumn()), MEGetGroupColumnMsg),
    OP(expandGroup, p.expandGroup("g"), MEExpandGroupMsg),
    OP(collapseGroup, p.collapseGroup("g"), MECollapseGroupMsg),
    OP(getListViewCount, p.getListViewCount(), MEGetListViewCountMsg),
    OP(setHideGroupColumn, p.setHideGroupColumn(true), MESetHideGroupColumnMsg),
    OP(getHideGroupColumn, p.getHideGroupColumn(), MEGetHideGroupColumnMsg),
    OP(startListLoad, p.startListLoad(true, &s_cancel), MEStartListLoadMsg),
    OP(stopListLoad, p.stopListLoad(), MEStopListLoadMsg),
    OP(setFreezeColumn, p.setFreezeColumn("c"), MESetFreezeColumnMsg),
    OP(enableFreezePane, p.enableFreezePane(true), MEEnableFreezePaneMsg),
    OP(setShowGroupCount, p.setShowGroupCount(true), MESetShowGroupCountMsg),
    OP(getShowGroupCount, p.getShowGroupCount(), MEGetShowGroupCountMsg),
    OP(setShowGroupName, p.setShowGroupName(true), MESetShowGroupNameMsg),
    OP(getShowGroupName, p.getShowGroupName(), MEGetShowGroupNameMsg),
    OP(addAccordionPane, p.addAccordionPane(u"a", u"b", u"c", u"d", u"e"), MEAddAccordionPaneMsg),
    OP(removeAccordionPane, p.removeAccordionPane(u"a"), MERemoveAccordionPaneMsg),
    OP(selectAccordionPane, p.selectAccordionPane(u"a"), MESelectAccordionPaneMsg),
    OP(showAccordionPane, p.showAccordionPane(u"a"), MEShowAccordionPaneMsg),
    OP(hideAccordionPane, p.hideAccordionPane(u"a"), MEHideAccordionPaneMsg),
    OP(setListViewInfoPanel, p.setListViewInfoPanel(nullptr), MESetListViewInfoPanelMsg),
    OP(getListLoadTestFlag, p.getListLoadTestFlag(), MEGetListLoadTestFlagMsg),
    OP(getPossibleListViewItemCount, p.getPossibleListViewItemCount(),
        MEGetPossibleListViewItemCountMsg),
    OP(getLoadedListViewNodes, p.getLoadedListViewNodes(&s_objects), MEGetLoadedListViewNodesMsg),
    OP(getLoadedListViewText, p.getLoadedListViewText(&s_pointers), MEGetLoadedListViewTextMsg),
    OP(scrollListView, p.scrollListView(3), MEScrollListViewMsg),
    OP(sleep, p.sleep(u"z"), MESleepMsg),
    OP(wake, p.wake(), MEWakeMsg),
    OP(setItemInfoForIncrementalLoad,
        p.setItemInfoForIncrementalLoad(3, object(1), names(), names()),
        MESetItemInfoForIncrementalLoadMsg),
    OP(clearIndices, p.clearIndices(object(1), { 1 }), MEClearIndicesMsg),
    OP(setAutoExpand, p.setAutoExpand(true), MESetAutoExpandMsg),
    OP(setDropCancel, p.setDropCancel(), MESetDropCancelMsg),
};

class ExplorerPeerTest : public vxtest::PeerProbeTest<QtModelExplorer, Operation> { };

TEST_P(ExplorerPeerTest, OperationSendsOneMessageOfItsRow)
{
    const Operation& op = GetParam();
    // A waiting hide adds a visibility round trip; every other operation is one message.
    EXPECT_EQ(callAndCheck(op).size(), 1u);
    EXPECT_TRUE(GuiModelExplorer::routes(op.id)) << "the window has no route for it";
}

INSTANTIATE_TEST_SUITE_P(AllOperations, ExplorerPeerTest, testing::ValuesIn(kOperations),
    [](const testing::TestParamInfo<Operation>& info) { return std::string(info.param.name); });

TEST_F(ExplorerPeerTest, ShowWaitsOnlyWhenAskedAndAWaitingHideReturnsAfterARoundTrip)
{
    m_peer->show(true, false);
    m_peer->show(true, true);
    m_peer->show(false, true);
    const std::vector<Seen> arrived = seen();
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
    EXPECT_EQ(m_peer->getTreeNodeCheckboxState(object(1)), nullptr);
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

TEST_F(ExplorerPeerTest, MenuItemFlagsTravelAsTrueAndFalse)
{
    struct Case {
        bool state[2];
        const char* flags;
    };
    const Case cases[] = { { { true, false }, "true,false" }, { { false, true }, "false,true" },
        { { true, true }, "true,true" } };
    for (const Case& c : cases) {
        bool state[2] = { c.state[0], c.state[1] };
        m_peer->executeMenuItem(u"Run", nullptr, state);
    }
    m_peer->executeMenuItem(u"Run", nullptr, nullptr);
    const std::vector<Seen> arrived = seen();
    ASSERT_EQ(arrived.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(arrived[i].flags, cases[i].flags) << i;
    EXPECT_EQ(arrived[3].flags, "false,false") << "no state reads as both clear";
}

TEST_F(ExplorerPeerTest, ProgressIsPostedEvenWhileHostPostsAreSent)
{
    VXBridge::m_imPost = true;
    m_peer->setTitle(u"T");
    m_peer->progressDialog(u"L", u"C", 10, 1, 0, false);
    const bool restored = VXBridge::m_imPost;
    VXBridge::m_imPost = false;
    EXPECT_TRUE(restored);
    const std::vector<Seen> arrived = seen();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_TRUE(arrived[0].sent) << "the flag turns a post into a send";
    EXPECT_FALSE(arrived[1].sent) << "the progress call stays a post";
}

} // namespace
