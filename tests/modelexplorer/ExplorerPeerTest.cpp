// Every explorer operation, one case each: the peer hands the GUI side one message with the id,
// delivery and payload class of its row, and nothing is refused on the way. A probe stands in
// for the window and records what arrives; owned payloads it never takes are freed with their
// messages.
#include "engine/VXBridge.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "messaging/QtModelExplorer.h"
#include "tests/modelexplorer/PeerProbe.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Seen = vxtest::SeenMessage;
using vxtest::names;
using vxtest::object;
using vxtest::Post;
using vxtest::records;
using vxtest::Send;

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
    OP(setRoot, p.setRoot(node()), MESetRootMsg, Post, "Handle"),
    OP(showPosted, p.show(true, false), ShowMsg, Post, ""),
    OP(showWaiting, p.show(true, true), ShowMsg, Send, ""),
    OP(hide, p.show(false, false), HideMsg, Post, ""),
    OP(minimize, p.minimize(), ShowMinimizedMsg, Post, ""),
    OP(replaceSubtreeAndRequest, p.replaceSubtreeAndRequest(node()), MEReplaceSubtreeNRequestMsg,
        Post, "Handle"),
    OP(replaceSubtree, p.replaceSubtree(node()), MEReplaceSubtreeMsg, Post, "Handle"),
    OP(removeSubtrees, p.removeSubtrees(handles()), MERemoveSubtreesMsg, Post, "Handle"),
    OP(replacePropertyNames, p.replacePropertyNames(names(), names()), MEReplacePropertyNames, Post,
        "StringList2"),
    OP(addList, p.addList(records()), MEAddListMsg, Post, "Handle"),
    OP(replaceList, p.replaceList(records(), u"t"), MEReplaceListMsg, Post, "HandleNumStr"),
    OP(removeList, p.removeList(handles()), MERemoveListMsg, Post, "Handle"),
    OP(clearList, p.clearList(), MEClearListMsg, Send, ""),
    OP(replaceHyperlink, p.replaceHyperlink(object(1), u"a", u"b", u"c"), MEReplaceHyperlinkMsg,
        Post, "HandleStr4"),
    OP(editListNodes, p.editListNodes(records()), MEEditListNodesMsg, Post, "Handle"),
    OP(updateNodes, p.updateNodes(records(), true), MEUpdateNodesMsg, Post, "HandleBool"),
    OP(updatePendingData, p.updatePendingData(records()), MESetPendingDataMsg, Post, "Handle"),
    OP(replaceObjSelectionList, p.replaceObjSelectionList(names()), MEReplaceObjSelectionListMsg,
        Post, "Handle"),
    OP(selectAndCreateNewObject, p.selectAndCreateNewObject(true), MECreateNewObjMsg, Post, "Bool"),
    OP(setPosition, p.setPosition(1, 2, 3, 4), MESetPositionMsg, Post, "Rect"),
    OP(getPosition, p.getPosition(s_ints[0], s_ints[1], s_ints[2], s_ints[3]), MEGetPositionMsg,
        Send, ""),
    OP(setFont, p.setFont("Sans", 9, 1, 0, 0), SetFontMsg, Post, "StrInt4"),
    OP(setSplitterSizes, p.setSplitterSizes(s_ints, 2), MESetSplitterSizesMsg, Post, "IntArray"),
    OP(setWindowIcon, p.setWindowIcon("x.png"), MESetIconMsg, Post, "String"),
    OP(getWindowIcon, std::free(p.getWindowIcon()), MEGetIconMsg, Send, ""),
    OP(setTitle, p.setTitle(u"T"), MESetTitleMsg, Post, "String"),
    OP(setStatusMessage, p.setStatusMessage(u"S", 5), MESetStatusMsg, Post, "StrInt"),
    OP(getTitle, p.getTitle(), MEGetTitleMsg, Send, ""),
    OP(isVisible, p.isVisible(), MEIsVisibleMsg, Send, ""),
    OP(hasFocus, p.hasFocus(), MEHasFocusMsg, Send, ""),
    OP(executeMenuItem8, p.executeMenuItem("Go", nullptr, nullptr), MEExecMenuItemMsg, Post,
        "HandleStr4"),
    OP(selectTreeNode, p.selectTreeNode(object(1)), MESelectTreeNodeMsg, Send, "Handle"),
    OP(selectListNodes, p.selectListNodes(handles()), MESelectListNodesMsg, Post, "Handle"),
    OP(selectListNode, p.selectListNode("Name", "a"), MESelectListNodeMsg, Send, "String2"),
    OP(selectListNodeIndices, p.selectListNodes(object(1), { 1, 2 }, object(2)),
        MESelectListNodeIndicesMsg, Send, "UIDs"),
    OP(highlightNodes, p.highlightNodes({ { object(1), VRIX::Color() } }), MEHighlightNodesMsg,
        Post, "Handle"),
    OP(unhighlightNodes, p.unhighlightNodes(s_objects), MEUnhighlightNodesMsg, Post, "Handle"),
    OP(doubleClickListNodes, p.doubleClickListNodes(&s_objects), MEDoubleClickListNodesMsg, Send,
        "Handle"),
    OP(selectAllListNodes, p.selectAllListNodes(true), MESelectAllListNodesMsg, Post, "Bool"),
    OP(addSubMenu8, p.addSubMenu(nullptr, "File"), MEAddSubMenuMsg, Post, "HandleStr4"),
    OP(addPopupMenu, p.addPopupMenu(nullptr, 1, 2), MEAddPopupMenuMsg, Post, "HandleInt5"),
    OP(clearMenus, p.clearMenus(), MEClearMenusMsg, Post, ""),
    OP(close, p.close(true), MECloseMsg, Post, "Bool"),
    OP(setAcceptedActions, p.setAcceptedActions(object(1), VRIX::CopyAction), MEAcceptedActionsMsg,
        Post, "HandleInt5"),
    OP(setCurrentDialog, p.setCurrentDialog(nullptr), MESetCurrentDialogMsg, Post, "Handle"),
    OP(expandTreeNode, p.expandTreeNode(object(1)), MEExpandTreeNodeMsg, Send, "Handle"),
    OP(collapseTreeNode, p.collapseTreeNode(object(1)), MECollapseTreeNodeMsg, Send, "Handle"),
    OP(clickHyperlink, p.clickHyperlink(), SSClickHyperLinkMsg, Post, "HandleStr4"),
    OP(fillVectorWithVisibleTreeNodes, p.fillVectorWithVisibleTreeNodes(&s_objects),
        MEFillVectorWithVisibleTreeNodesMsg, Send, "Handle"),
    OP(fillVectorWithTreeViewText, p.fillVectorWithTreeViewText(&s_texts),
        MEFillVectorWithTreeViewTextMsg, Send, "Handle"),
    OP(fillVectorWithVisibleListNodes, p.fillVectorWithVisibleListNodes(&s_filled),
        MEFillVectorWithVisibleListNodesMsg, Send, "Handle"),
    OP(fillVectorWithListViewText, p.fillVectorWithListViewText(&s_pointers),
        SSFillVectorWithTextMsg, Send, "Handle"),
    OP(loadListViewContent, p.loadListViewContent(), MELoadListViewContentMsg, Send, ""),
    OP(getGroupCount, p.getGroupCount(), MEGetGroupCountMsg, Send, ""),
    OP(fillVectorWithGroupChildren, p.fillVectorWithGroupChildren("g", &s_pointers),
        MEFillVectorWithGroupChildrenMsg, Send, "HandleStr4"),
    OP(setFilterString, p.setFilterString(u"f"), MESetFilterStringMsg, Send, "String"),
    OP(getFilterString, p.getFilterString(), MEGetFilterStringMsg, Send, ""),
    OP(getContentsOfString, p.getContentsOfString(), MEGetContentsOfStringMsg, Send, ""),
    OP(changeViewOptions, p.changeViewOptions(new VXMEViewAttributes()), MEChangeViewOptionsMsg,
        Post, "Handle"),
    OP(changeNavOptions, p.changeNavOptions(new VXMENavigationAttributes()), MEChangeNavOptionsMsg,
        Post, "Handle"),
    OP(selectListNodesSync, p.selectListNodesSync(&s_objects, "Press", "TREE"),
        MESelectListNodesSyncMsg, Send, "HandleStr4"),
    OP(fillVectorWithSelectedListNodes, p.fillVectorWithSelectedListNodes(&s_filled),
        MEFillVectorWithSelectedListNodesMsg, Send, "Handle"),
    OP(enableListSorting, p.enableListSorting(true, "Name", true, false, false), SSEnableSortingMsg,
        Post, "StrInt4"),
    OP(addSearchPanel, p.addSearchPanel(nullptr), MEAddSearchPanelMsg, Post, "Handle"),
    OP(progressDialog, p.progressDialog(u"L", u"C", 10, 1, 0, false), MEProgressDialogMsg, Post,
        "Progress"),
    OP(progressDialogClose, p.progressDialogClose(), MEProgressDialogCloseMsg, Send, "Progress"),
    OP(progressDialogIsCanceled, p.progressDialogIsCanceled(), MEProgressDialogIsCanceledMsg, Send,
        "Progress"),
    OP(setTreeColumnTitle8, p.setTreeColumnTitle("Tree"), MESetTreeColumnTitleMsg, Post, "String"),
    OP(showContentsOf, p.showContentsOf(true), MEShowContentsOfMsg, Post, "Bool"),
    OP(showTreeView, p.showTreeView(true), MEShowTreeViewMsg, Post, "Bool"),
    OP(showListView, p.showListView(true), MEShowListViewMsg, Post, "Bool"),
    OP(showStatusBar, p.showStatusBar(true), MEShowStatusBarMsg, Post, "Bool"),
    OP(showFilterContents, p.showFilterContents(true), MEShowFilterContentsMsg, Post, "Bool"),
    OP(showContentsOfHyperlink, p.showContentsOfHyperlink(true), MEShowContentsOfHyperlinkMsg, Post,
        "Bool"),
    OP(enableToolbarMenu, p.enableToolbarMenu(false), MEEnableToolbarMenuMsg, Post, "Bool"),
    OP(setListViewWidth, p.setListViewWidth(5), MESetListViewWidthMsg, Post, "Int"),
    OP(getListViewWidth, p.getListViewWidth(), MEGetListViewWidthMsg, Send, ""),
    OP(editListViewNode, p.editListViewNode(handles(), 1, u"v"), MEEditListViewNodeMsg, Post,
        "HandleNumStr"),
    OP(countMenuBarItems, p.countMenuBarItems(), MECountMenuBarItemsMsg, Send, ""),
    OP(getTreeNodeCheckboxState, std::free(p.getTreeNodeCheckboxState(object(1))),
        MEGetCheckStateMsg, Send, "Handle"),
    OP(setNeverAskAgain, p.setNeverAskAgain(true), MENeverAskAgainMsg, Send, "Bool"),
    OP(isHyperLinkEnabled, p.isHyperLinkEnabled(), MEIsHyperLinkEnabledMsg, Send, ""),
    OP(isListViewTabBarVisible, p.isListViewTabBarVisible(), MEIsListViewTabBarVisibleMsg, Send,
        ""),
    OP(executeListViewTabBar, p.executeListViewTabBar(1), MEExecuteListViewTabBarMsg, Send, "Int"),
    OP(selectCurrentItem, p.selectCurrentItem(), MESelectCurrentItemMsg, Post, ""),
    OP(isNodePixmapForReadOnly, p.isNodePixmapForReadOnly(object(1), "p"),
        MEIsNodePixmapForReadOnlyMsg, Send, "HandleStr4"),
    OP(getPropertyName, std::free(p.getPropertyName(1, true)), MEGetPropertyNameMsg, Send, "Int5"),
    OP(getReplaceListCounter, p.getReplaceListCounter(), MEGetReplaceListCounterMsg, Send, ""),
    OP(canDragStart, p.canDragStart(true), MECanDragStartMsg, Send, "Bool"),
    OP(isListNodePropReadOnly, p.isListNodePropReadOnly(object(1), 2), MEIsListNodePropReadOnlyMsg,
        Send, "HandleInt5"),
    OP(setListViewVisible, p.setListViewVisible(true), MESetListViewVisibleMsg, Post, "Bool"),
    OP(setListMultiSelect, p.setListMultiSelect(true), MESetListMultiSelectMsg, Post, "Bool"),
    OP(startWait, p.startWait(10), MEStartWaitMsg, Post, "Int"),
    OP(stopWait, p.stopWait(), MEStopWaitMsg, Post, ""),
    OP(setDlgListViewLayoutVert, p.setDlgListViewLayoutVert(true), MESetDlgListViewLayoutVertMsg,
        Post, "Bool"),
    OP(isDlgListViewLayoutVert, p.isDlgListViewLayoutVert(), MEIsDlgListViewLayoutVertMsg, Send,
        ""),
    OP(setDlgViewScrollable, p.setDlgViewScrollable(true), MESetDlgViewScrollableMsg, Post, "Bool"),
    OP(isDlgViewScrollable, p.isDlgViewScrollable(), MEIsDlgViewScrollableMsg, Send, ""),
    OP(autosizeListViewColumn, p.autosizeListViewColumn("c"), MEAutosizeListViewColumnMsg, Send,
        "String"),
    OP(getListViewStrColWidth, p.getListViewStrColWidth("c", "t"), MEGetListViewStrColWidthMsg,
        Send, "String2"),
    OP(setListViewStrColWidth, p.setListViewStrColWidth("c", "t", 3), MESetListViewStrColWidthMsg,
        Post, "Str2Int2"),
    OP(getListViewMaxCharColWidth, p.getListViewMaxCharColWidth("c"),
        MEGetListViewMaxCharColWidthMsg, Send, "String"),
    OP(setListViewMaxCharColWidth, p.setListViewMaxCharColWidth("c", 3),
        MESetListViewMaxCharColWidthMsg, Post, "StrInt4"),
    OP(getListViewAvgCharColWidth, p.getListViewAvgCharColWidth("c"),
        MEGetListViewAvgCharColWidthMsg, Send, "String"),
    OP(setListViewAvgCharColWidth, p.setListViewAvgCharColWidth("c", 3),
        MESetListViewAvgCharColWidthMsg, Post, "StrInt4"),
    OP(showSelectionChangedDialog,
        p.showSelectionChangedDialog(s_flags[0], s_flags[1], s_ints[0], true),
        MESelectionChangedDialogMsg, Send, "Bool"),
    OP(reorderColumns, p.reorderColumns(names()), MEReorderColumnsMsg, Post, "Handle"),
    OP(addTreeAction, p.addTreeAction(nullptr), MEAddTreeActionMsg, Post, "Handle"),
    OP(removeTreeAction, p.removeTreeAction(nullptr), MERemoveTreeActionMsg, Post, "Handle"),
    OP(setListViewManager, p.setListViewManager(nullptr), MESetListViewManagerMsg, Post, "Handle"),
    OP(setScopeOption, p.setScopeOption(nullptr), MESetScopeOptionMsg, Post, "Handle"),
    OP(isInHierarchy, p.isInHierarchy(object(1)), MEIsInHierarchyMsg, Send, "Handle"),
    OP(groupBy, p.groupBy("c"), MEGroupByMsg, Send, "String"),
    OP(setGroupColumn, p.setGroupColumn("c"), MESetGroupColumnMsg, Send, "String"),
    OP(getGroupColumn, std::free(p.getGroupColumn()), MEGetGroupColumnMsg, Send, ""),
    OP(expandGroup, p.expandGroup("g"), MEExpandGroupMsg, Send, "String"),
    OP(collapseGroup, p.collapseGroup("g"), MECollapseGroupMsg, Send, "String"),
    OP(getListViewCount, p.getListViewCount(), MEGetListViewCountMsg, Send, ""),
    OP(setHideGroupColumn, p.setHideGroupColumn(true), MESetHideGroupColumnMsg, Post, "Bool"),
    OP(getHideGroupColumn, p.getHideGroupColumn(), MEGetHideGroupColumnMsg, Send, ""),
    OP(startListLoad, p.startListLoad(true, &s_cancel), MEStartListLoadMsg, Send, "HandleBool"),
    OP(stopListLoad, p.stopListLoad(), MEStopListLoadMsg, Send, ""),
    OP(setFreezeColumn, p.setFreezeColumn("c"), MESetFreezeColumnMsg, Send, "String"),
    OP(enableFreezePane, p.enableFreezePane(true), MEEnableFreezePaneMsg, Post, "Bool"),
    OP(setShowGroupCount, p.setShowGroupCount(true), MESetShowGroupCountMsg, Send, "Bool"),
    OP(getShowGroupCount, p.getShowGroupCount(), MEGetShowGroupCountMsg, Send, ""),
    OP(setShowGroupName, p.setShowGroupName(true), MESetShowGroupNameMsg, Send, "Bool"),
    OP(getShowGroupName, p.getShowGroupName(), MEGetShowGroupNameMsg, Send, ""),
    OP(addAccordionPane, p.addAccordionPane(u"a", u"b", u"c", u"d", u"e"), MEAddAccordionPaneMsg,
        Send, "String5"),
    OP(removeAccordionPane, p.removeAccordionPane(u"a"), MERemoveAccordionPaneMsg, Send, "String"),
    OP(selectAccordionPane, p.selectAccordionPane(u"a"), MESelectAccordionPaneMsg, Send, "String"),
    OP(showAccordionPane, p.showAccordionPane(u"a"), MEShowAccordionPaneMsg, Send, "String"),
    OP(hideAccordionPane, p.hideAccordionPane(u"a"), MEHideAccordionPaneMsg, Send, "String"),
    OP(setListViewInfoPanel, p.setListViewInfoPanel(nullptr), MESetListViewInfoPanelMsg, Post,
        "Handle"),
    OP(getListLoadTestFlag, p.getListLoadTestFlag(), MEGetListLoadTestFlagMsg, Send, ""),
    OP(getPossibleListViewItemCount, p.getPossibleListViewItemCount(),
        MEGetPossibleListViewItemCountMsg, Send, ""),
    OP(getLoadedListViewNodes, p.getLoadedListViewNodes(&s_objects), MEGetLoadedListViewNodesMsg,
        Send, "Handle"),
    OP(getLoadedListViewText, p.getLoadedListViewText(&s_pointers), MEGetLoadedListViewTextMsg,
        Send, "Handle"),
    OP(scrollListView, p.scrollListView(3), MEScrollListViewMsg, Post, "Int"),
    OP(sleep, p.sleep(u"z"), MESleepMsg, Send, "String"),
    OP(wake, p.wake(), MEWakeMsg, Send, ""),
    OP(setItemInfoForIncrementalLoad,
        p.setItemInfoForIncrementalLoad(3, object(1), names(), names()),
        MESetItemInfoForIncrementalLoadMsg, Post, "UIDStringList2"),
    OP(clearIndices, p.clearIndices(object(1), { 1 }), MEClearIndicesMsg, Send, "UIDs"),
    OP(setAutoExpand, p.setAutoExpand(true), MESetAutoExpandMsg, Post, "Bool"),
    OP(setDropCancel, p.setDropCancel(), MESetDropCancelMsg, Post, ""),
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

TEST_F(ExplorerPeerTest, WaitingHideReturnsAfterARoundTrip)
{
    m_peer->show(false, true);
    const std::vector<Seen> arrived = seen();
    ASSERT_EQ(arrived.size(), 2u);
    EXPECT_EQ(arrived[0].id, int(HideMsg));
    EXPECT_EQ(arrived[1].id, int(MEIsVisibleMsg));
    EXPECT_TRUE(arrived[1].sent);
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
