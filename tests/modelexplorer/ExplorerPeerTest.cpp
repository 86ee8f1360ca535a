// Every explorer operation, one case each: the peer hands the GUI side one message with the id,
// delivery and payload class of its row, and nothing is refused on the way. A probe stands in
// for the window and records what arrives; owned payloads it never takes are freed with their
// messages.
#include "engine/VXAction.h"
#include "engine/VXBridge.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtMessage.h"
#include "messaging/QtModelExplorer.h"
#include "messaging/QtStringMessage.h"
#include "messaging/VXMessageCatalogue.h"
#include "tests/modelexplorer/PeerProbe.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiWidget.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Seen = vxtest::SeenMessage;

using vxtest::names;
using vxtest::object;
using vxtest::records;

using Operation = vxtest::PeerOperation<QtModelExplorer>;
using E = QtModelExplorer;
std::vector<UDInterface*> s_objects { object(1), object(2) };
std::vector<std::u16string> s_texts;
std::vector<void*> s_pointers;
VXModelExplorer::RecordList s_filled;
bool s_cancel = false;

const Operation kOperations[] = {
    { "setRoot", [](E& e) { e.setRoot(new VXMEObjectMessageData(object(1))); }, MESetRootMsg, false,
        "QtHandleMessage" },
    { "showPosted", [](E& e) { e.show(true, false); }, ShowMsg, false, "QtMessage" },
    { "showWaiting", [](E& e) { e.show(true, true); }, ShowMsg, true, "QtMessage" },
    { "hide", [](E& e) { e.show(false, false); }, HideMsg, false, "QtMessage" },
    { "minimize", [](E& e) { e.minimize(); }, ShowMinimizedMsg, false, "QtMessage" },
    { "replaceSubtreeAndRequest",
        [](E& e) { e.replaceSubtreeAndRequest(new VXMEObjectMessageData(object(1))); },
        MEReplaceSubtreeNRequestMsg, false, "QtHandleMessage" },
    { "replaceSubtree", [](E& e) { e.replaceSubtree(new VXMEObjectMessageData(object(1))); },
        MEReplaceSubtreeMsg, false, "QtHandleMessage" },
    { "removeSubtrees", [](E& e) { e.removeSubtrees(new std::vector<UDInterface*>(s_objects)); },
        MERemoveSubtreesMsg, false, "QtHandleMessage" },
    { "replacePropertyNames", [](E& e) { e.replacePropertyNames(names(), names()); },
        MEReplacePropertyNames, false, "QtStringList2Message" },
    { "addList", [](E& e) { e.addList(records()); }, MEAddListMsg, false, "QtHandleMessage" },
    { "replaceList", [](E& e) { e.replaceList(records(), u"t"); }, MEReplaceListMsg, false,
        "QtHandleNumStrMessage" },
    { "removeList", [](E& e) { e.removeList(new std::vector<UDInterface*>(s_objects)); },
        MERemoveListMsg, false, "QtHandleMessage" },
    { "clearList", [](E& e) { e.clearList(); }, MEClearListMsg, true, "QtMessage" },
    { "replaceHyperlink", [](E& e) { e.replaceHyperlink(object(1), u"a", u"b", u"c"); },
        MEReplaceHyperlinkMsg, false, "QtHandleStr4Message" },
    { "editListNodes", [](E& e) { e.editListNodes(records()); }, MEEditListNodesMsg, false,
        "QtHandleMessage" },
    { "updateNodes", [](E& e) { e.updateNodes(records(), true); }, MEUpdateNodesMsg, false,
        "QtHandleBoolMessage" },
    { "updatePendingData", [](E& e) { e.updatePendingData(records()); }, MESetPendingDataMsg, false,
        "QtHandleMessage" },
    { "replaceObjSelectionList", [](E& e) { e.replaceObjSelectionList(names()); },
        MEReplaceObjSelectionListMsg, false, "QtHandleMessage" },
    { "selectAndCreateNewObject", [](E& e) { e.selectAndCreateNewObject(true); }, MECreateNewObjMsg,
        false, "QtBoolMessage" },
    { "setPosition", [](E& e) { e.setPosition(1, 2, 3, 4); }, MESetPositionMsg, false,
        "QtRectMessage" },
    { "getPosition",
        [](E& e) {
            int x, y, w, h;
            e.getPosition(x, y, w, h);
        },
        MEGetPositionMsg, true, "QtMessage" },
    { "setFont", [](E& e) { e.setFont("Sans", 9, 1, 0, 0); }, SetFontMsg, false,
        "QtStrInt4Message" },
    { "setSplitterSizes",
        [](E& e) {
            int sizes[] = { 1, 2 };
            e.setSplitterSizes(sizes, 2);
        },
        MESetSplitterSizesMsg, false, "QtIntArrayMessage" },
    { "setWindowIcon", [](E& e) { e.setWindowIcon("x.png"); }, MESetIconMsg, false,
        "QtStringMessage" },
    { "getWindowIcon", [](E& e) { std::free(e.getWindowIcon()); }, MEGetIconMsg, true,
        "QtMessage" },
    { "setTitle", [](E& e) { e.setTitle(u"T"); }, MESetTitleMsg, false, "QtStringMessage" },
    { "setStatusMessage", [](E& e) { e.setStatusMessage(u"S", 5); }, MESetStatusMsg, false,
        "QtStrIntMessage" },
    { "getTitle", [](E& e) { e.getTitle(); }, MEGetTitleMsg, true, "QtMessage" },
    { "isVisible", [](E& e) { e.isVisible(); }, MEIsVisibleMsg, true, "QtMessage" },
    { "hasFocus", [](E& e) { e.hasFocus(); }, MEHasFocusMsg, true, "QtMessage" },
    { "executeMenuItem8", [](E& e) { e.executeMenuItem("Go", nullptr, nullptr); },
        MEExecMenuItemMsg, false, "QtHandleStr4Message" },
    { "selectTreeNode", [](E& e) { e.selectTreeNode(object(1)); }, MESelectTreeNodeMsg, true,
        "QtHandleMessage" },
    { "selectListNodes", [](E& e) { e.selectListNodes(new std::vector<UDInterface*>(s_objects)); },
        MESelectListNodesMsg, false, "QtHandleMessage" },
    { "selectListNode", [](E& e) { e.selectListNode("Name", "a"); }, MESelectListNodeMsg, true,
        "QtString2Message" },
    { "selectListNodeIndices",
        [](E& e) {
            e.selectListNodes(object(1), { 1, 2 }, object(2));
        },
        MESelectListNodeIndicesMsg, true, "QtUIDsMessage" },
    { "highlightNodes",
        [](E& e) {
            e.highlightNodes({ { object(1), VRIX::Color() } });
        },
        MEHighlightNodesMsg, false, "QtHandleMessage" },
    { "unhighlightNodes", [](E& e) { e.unhighlightNodes(s_objects); }, MEUnhighlightNodesMsg, false,
        "QtHandleMessage" },
    { "doubleClickListNodes", [](E& e) { e.doubleClickListNodes(&s_objects); },
        MEDoubleClickListNodesMsg, true, "QtHandleMessage" },
    { "selectAllListNodes", [](E& e) { e.selectAllListNodes(true); }, MESelectAllListNodesMsg,
        false, "QtBoolMessage" },
    { "addSubMenu8", [](E& e) { e.addSubMenu(nullptr, "File"); }, MEAddSubMenuMsg, false,
        "QtHandleStr4Message" },
    { "addPopupMenu", [](E& e) { e.addPopupMenu(nullptr, 1, 2); }, MEAddPopupMenuMsg, false,
        "QtHandleInt5Message" },
    { "clearMenus", [](E& e) { e.clearMenus(); }, MEClearMenusMsg, false, "QtMessage" },
    { "close", [](E& e) { e.close(true); }, MECloseMsg, false, "QtBoolMessage" },
    { "setAcceptedActions", [](E& e) { e.setAcceptedActions(object(1), VRIX::CopyAction); },
        MEAcceptedActionsMsg, false, "QtHandleInt5Message" },
    { "setCurrentDialog", [](E& e) { e.setCurrentDialog(nullptr); }, MESetCurrentDialogMsg, false,
        "QtHandleMessage" },
    { "expandTreeNode", [](E& e) { e.expandTreeNode(object(1)); }, MEExpandTreeNodeMsg, true,
        "QtHandleMessage" },
    { "collapseTreeNode", [](E& e) { e.collapseTreeNode(object(1)); }, MECollapseTreeNodeMsg, true,
        "QtHandleMessage" },
    { "clickHyperlink", [](E& e) { e.clickHyperlink(); }, SSClickHyperLinkMsg, false,
        "QtHandleStr4Message" },
    { "fillVectorWithVisibleTreeNodes", [](E& e) { e.fillVectorWithVisibleTreeNodes(&s_objects); },
        MEFillVectorWithVisibleTreeNodesMsg, true, "QtHandleMessage" },
    { "fillVectorWithTreeViewText", [](E& e) { e.fillVectorWithTreeViewText(&s_texts); },
        MEFillVectorWithTreeViewTextMsg, true, "QtHandleMessage" },
    { "fillVectorWithVisibleListNodes", [](E& e) { e.fillVectorWithVisibleListNodes(&s_filled); },
        MEFillVectorWithVisibleListNodesMsg, true, "QtHandleMessage" },
    { "fillVectorWithListViewText", [](E& e) { e.fillVectorWithListViewText(&s_pointers); },
        SSFillVectorWithTextMsg, true, "QtHandleMessage" },
    { "loadListViewContent", [](E& e) { e.loadListViewContent(); }, MELoadListViewContentMsg, true,
        "QtMessage" },
    { "getGroupCount", [](E& e) { e.getGroupCount(); }, MEGetGroupCountMsg, true, "QtMessage" },
    { "fillVectorWithGroupChildren", [](E& e) { e.fillVectorWithGroupChildren("g", &s_pointers); },
        MEFillVectorWithGroupChildrenMsg, true, "QtHandleStr4Message" },
    { "setFilterString", [](E& e) { e.setFilterString(u"f"); }, MESetFilterStringMsg, true,
        "QtStringMessage" },
    { "getFilterString", [](E& e) { e.getFilterString(); }, MEGetFilterStringMsg, true,
        "QtMessage" },
    { "getContentsOfString", [](E& e) { e.getContentsOfString(); }, MEGetContentsOfStringMsg, true,
        "QtMessage" },
    { "changeViewOptions", [](E& e) { e.changeViewOptions(new VXMEViewAttributes()); },
        MEChangeViewOptionsMsg, false, "QtHandleMessage" },
    { "changeNavOptions", [](E& e) { e.changeNavOptions(new VXMENavigationAttributes()); },
        MEChangeNavOptionsMsg, false, "QtHandleMessage" },
    { "selectListNodesSync", [](E& e) { e.selectListNodesSync(&s_objects, "Press", "TREE"); },
        MESelectListNodesSyncMsg, true, "QtHandleStr4Message" },
    { "fillVectorWithSelectedListNodes", [](E& e) { e.fillVectorWithSelectedListNodes(&s_filled); },
        MEFillVectorWithSelectedListNodesMsg, true, "QtHandleMessage" },
    { "enableListSorting", [](E& e) { e.enableListSorting(true, "Name", true, false, false); },
        SSEnableSortingMsg, false, "QtStrInt4Message" },
    { "addSearchPanel", [](E& e) { e.addSearchPanel(nullptr); }, MEAddSearchPanelMsg, false,
        "QtHandleMessage" },
    { "progressDialog", [](E& e) { e.progressDialog(u"L", u"C", 10, 1, 0, false); },
        MEProgressDialogMsg, false, "QtProgressMessage" },
    { "progressDialogClose", [](E& e) { e.progressDialogClose(); }, MEProgressDialogCloseMsg, true,
        "QtProgressMessage" },
    { "progressDialogIsCanceled", [](E& e) { e.progressDialogIsCanceled(); },
        MEProgressDialogIsCanceledMsg, true, "QtProgressMessage" },
    { "setTreeColumnTitle8", [](E& e) { e.setTreeColumnTitle("Tree"); }, MESetTreeColumnTitleMsg,
        false, "QtStringMessage" },
    { "showContentsOf", [](E& e) { e.showContentsOf(true); }, MEShowContentsOfMsg, false,
        "QtBoolMessage" },
    { "showTreeView", [](E& e) { e.showTreeView(true); }, MEShowTreeViewMsg, false,
        "QtBoolMessage" },
    { "showListView", [](E& e) { e.showListView(true); }, MEShowListViewMsg, false,
        "QtBoolMessage" },
    { "showStatusBar", [](E& e) { e.showStatusBar(true); }, MEShowStatusBarMsg, false,
        "QtBoolMessage" },
    { "showFilterContents", [](E& e) { e.showFilterContents(true); }, MEShowFilterContentsMsg,
        false, "QtBoolMessage" },
    { "showContentsOfHyperlink", [](E& e) { e.showContentsOfHyperlink(true); },
        MEShowContentsOfHyperlinkMsg, false, "QtBoolMessage" },
    { "enableToolbarMenu", [](E& e) { e.enableToolbarMenu(false); }, MEEnableToolbarMenuMsg, false,
        "QtBoolMessage" },
    { "setListViewWidth", [](E& e) { e.setListViewWidth(5); }, MESetListViewWidthMsg, false,
        "QtIntMessage" },
    { "getListViewWidth", [](E& e) { e.getListViewWidth(); }, MEGetListViewWidthMsg, true,
        "QtMessage" },
    { "editListViewNode",
        [](E& e) { e.editListViewNode(new std::vector<UDInterface*>(s_objects), 1, u"v"); },
        MEEditListViewNodeMsg, false, "QtHandleNumStrMessage" },
    { "countMenuBarItems", [](E& e) { e.countMenuBarItems(); }, MECountMenuBarItemsMsg, true,
        "QtMessage" },
    { "getTreeNodeCheckboxState", [](E& e) { std::free(e.getTreeNodeCheckboxState(object(1))); },
        MEGetCheckStateMsg, true, "QtHandleMessage" },
    { "setNeverAskAgain", [](E& e) { e.setNeverAskAgain(true); }, MENeverAskAgainMsg, true,
        "QtBoolMessage" },
    { "isHyperLinkEnabled", [](E& e) { e.isHyperLinkEnabled(); }, MEIsHyperLinkEnabledMsg, true,
        "QtMessage" },
    { "isListViewTabBarVisible", [](E& e) { e.isListViewTabBarVisible(); },
        MEIsListViewTabBarVisibleMsg, true, "QtMessage" },
    { "executeListViewTabBar", [](E& e) { e.executeListViewTabBar(1); }, MEExecuteListViewTabBarMsg,
        true, "QtIntMessage" },
    { "selectCurrentItem", [](E& e) { e.selectCurrentItem(); }, MESelectCurrentItemMsg, false,
        "QtMessage" },
    { "isNodePixmapForReadOnly", [](E& e) { e.isNodePixmapForReadOnly(object(1), "p"); },
        MEIsNodePixmapForReadOnlyMsg, true, "QtHandleStr4Message" },
    { "getPropertyName", [](E& e) { std::free(e.getPropertyName(1, true)); }, MEGetPropertyNameMsg,
        true, "QtInt5Message" },
    { "getReplaceListCounter", [](E& e) { e.getReplaceListCounter(); }, MEGetReplaceListCounterMsg,
        true, "QtMessage" },
    { "canDragStart", [](E& e) { e.canDragStart(true); }, MECanDragStartMsg, true,
        "QtBoolMessage" },
    { "isListNodePropReadOnly", [](E& e) { e.isListNodePropReadOnly(object(1), 2); },
        MEIsListNodePropReadOnlyMsg, true, "QtHandleInt5Message" },
    { "setListViewVisible", [](E& e) { e.setListViewVisible(true); }, MESetListViewVisibleMsg,
        false, "QtBoolMessage" },
    { "setListMultiSelect", [](E& e) { e.setListMultiSelect(true); }, MESetListMultiSelectMsg,
        false, "QtBoolMessage" },
    { "startWait", [](E& e) { e.startWait(10); }, MEStartWaitMsg, false, "QtIntMessage" },
    { "stopWait", [](E& e) { e.stopWait(); }, MEStopWaitMsg, false, "QtMessage" },
    { "setDlgListViewLayoutVert", [](E& e) { e.setDlgListViewLayoutVert(true); },
        MESetDlgListViewLayoutVertMsg, false, "QtBoolMessage" },
    { "isDlgListViewLayoutVert", [](E& e) { e.isDlgListViewLayoutVert(); },
        MEIsDlgListViewLayoutVertMsg, true, "QtMessage" },
    { "setDlgViewScrollable", [](E& e) { e.setDlgViewScrollable(true); }, MESetDlgViewScrollableMsg,
        false, "QtBoolMessage" },
    { "isDlgViewScrollable", [](E& e) { e.isDlgViewScrollable(); }, MEIsDlgViewScrollableMsg, true,
        "QtMessage" },
    { "autosizeListViewColumn", [](E& e) { e.autosizeListViewColumn("c"); },
        MEAutosizeListViewColumnMsg, true, "QtStringMessage" },
    { "getListViewStrColWidth", [](E& e) { e.getListViewStrColWidth("c", "t"); },
        MEGetListViewStrColWidthMsg, true, "QtString2Message" },
    { "setListViewStrColWidth", [](E& e) { e.setListViewStrColWidth("c", "t", 3); },
        MESetListViewStrColWidthMsg, false, "QtStr2Int2Message" },
    { "getListViewMaxCharColWidth", [](E& e) { e.getListViewMaxCharColWidth("c"); },
        MEGetListViewMaxCharColWidthMsg, true, "QtStringMessage" },
    { "setListViewMaxCharColWidth", [](E& e) { e.setListViewMaxCharColWidth("c", 3); },
        MESetListViewMaxCharColWidthMsg, false, "QtStrInt4Message" },
    { "getListViewAvgCharColWidth", [](E& e) { e.getListViewAvgCharColWidth("c"); },
        MEGetListViewAvgCharColWidthMsg, true, "QtStringMessage" },
    { "setListViewAvgCharColWidth", [](E& e) { e.setListViewAvgCharColWidth("c", 3); },
        MESetListViewAvgCharColWidthMsg, false, "QtStrInt4Message" },
    { "showSelectionChangedDialog",
        [](E& e) {
            bool a, n;
            int h;
            e.showSelectionChangedDialog(a, n, h, true);
        },
        MESelectionChangedDialogMsg, true, "QtBoolMessage" },
    { "reorderColumns", [](E& e) { e.reorderColumns(names()); }, MEReorderColumnsMsg, false,
        "QtHandleMessage" },
    { "addTreeAction", [](E& e) { e.addTreeAction(nullptr); }, MEAddTreeActionMsg, false,
        "QtHandleMessage" },
    { "removeTreeAction", [](E& e) { e.removeTreeAction(nullptr); }, MERemoveTreeActionMsg, false,
        "QtHandleMessage" },
    { "setListViewManager", [](E& e) { e.setListViewManager(nullptr); }, MESetListViewManagerMsg,
        false, "QtHandleMessage" },
    { "setScopeOption", [](E& e) { e.setScopeOption(nullptr); }, MESetScopeOptionMsg, false,
        "QtHandleMessage" },
    { "isInHierarchy", [](E& e) { e.isInHierarchy(object(1)); }, MEIsInHierarchyMsg, true,
        "QtHandleMessage" },
    { "groupBy", [](E& e) { e.groupBy("c"); }, MEGroupByMsg, true, "QtStringMessage" },
    { "setGroupColumn", [](E& e) { e.setGroupColumn("c"); }, MESetGroupColumnMsg, true,
        "QtStringMessage" },
    { "getGroupColumn", [](E& e) { std::free(e.getGroupColumn()); }, MEGetGroupColumnMsg, true,
        "QtMessage" },
    { "expandGroup", [](E& e) { e.expandGroup("g"); }, MEExpandGroupMsg, true, "QtStringMessage" },
    { "collapseGroup", [](E& e) { e.collapseGroup("g"); }, MECollapseGroupMsg, true,
        "QtStringMessage" },
    { "getListViewCount", [](E& e) { e.getListViewCount(); }, MEGetListViewCountMsg, true,
        "QtMessage" },
    { "setHideGroupColumn", [](E& e) { e.setHideGroupColumn(true); }, MESetHideGroupColumnMsg,
        false, "QtBoolMessage" },
    { "getHideGroupColumn", [](E& e) { e.getHideGroupColumn(); }, MEGetHideGroupColumnMsg, true,
        "QtMessage" },
    { "startListLoad", [](E& e) { e.startListLoad(true, &s_cancel); }, MEStartListLoadMsg, true,
        "QtHandleBoolMessage" },
    { "stopListLoad", [](E& e) { e.stopListLoad(); }, MEStopListLoadMsg, true, "QtMessage" },
    { "setFreezeColumn", [](E& e) { e.setFreezeColumn("c"); }, MESetFreezeColumnMsg, true,
        "QtStringMessage" },
    { "enableFreezePane", [](E& e) { e.enableFreezePane(true); }, MEEnableFreezePaneMsg, false,
        "QtBoolMessage" },
    { "setShowGroupCount", [](E& e) { e.setShowGroupCount(true); }, MESetShowGroupCountMsg, true,
        "QtBoolMessage" },
    { "getShowGroupCount", [](E& e) { e.getShowGroupCount(); }, MEGetShowGroupCountMsg, true,
        "QtMessage" },
    { "setShowGroupName", [](E& e) { e.setShowGroupName(true); }, MESetShowGroupNameMsg, true,
        "QtBoolMessage" },
    { "getShowGroupName", [](E& e) { e.getShowGroupName(); }, MEGetShowGroupNameMsg, true,
        "QtMessage" },
    { "addAccordionPane", [](E& e) { e.addAccordionPane(u"a", u"b", u"c", u"d", u"e"); },
        MEAddAccordionPaneMsg, true, "QtString5Message" },
    { "removeAccordionPane", [](E& e) { e.removeAccordionPane(u"a"); }, MERemoveAccordionPaneMsg,
        true, "QtStringMessage" },
    { "selectAccordionPane", [](E& e) { e.selectAccordionPane(u"a"); }, MESelectAccordionPaneMsg,
        true, "QtStringMessage" },
    { "showAccordionPane", [](E& e) { e.showAccordionPane(u"a"); }, MEShowAccordionPaneMsg, true,
        "QtStringMessage" },
    { "hideAccordionPane", [](E& e) { e.hideAccordionPane(u"a"); }, MEHideAccordionPaneMsg, true,
        "QtStringMessage" },
    { "setListViewInfoPanel", [](E& e) { e.setListViewInfoPanel(nullptr); },
        MESetListViewInfoPanelMsg, false, "QtHandleMessage" },
    { "getListLoadTestFlag", [](E& e) { e.getListLoadTestFlag(); }, MEGetListLoadTestFlagMsg, true,
        "QtMessage" },
    { "getPossibleListViewItemCount", [](E& e) { e.getPossibleListViewItemCount(); },
        MEGetPossibleListViewItemCountMsg, true, "QtMessage" },
    { "getLoadedListViewNodes", [](E& e) { e.getLoadedListViewNodes(&s_objects); },
        MEGetLoadedListViewNodesMsg, true, "QtHandleMessage" },
    { "getLoadedListViewText", [](E& e) { e.getLoadedListViewText(&s_pointers); },
        MEGetLoadedListViewTextMsg, true, "QtHandleMessage" },
    { "scrollListView", [](E& e) { e.scrollListView(3); }, MEScrollListViewMsg, false,
        "QtIntMessage" },
    { "sleep", [](E& e) { e.sleep(u"z"); }, MESleepMsg, true, "QtStringMessage" },
    { "wake", [](E& e) { e.wake(); }, MEWakeMsg, true, "QtMessage" },
    { "setItemInfoForIncrementalLoad",
        [](E& e) { e.setItemInfoForIncrementalLoad(3, object(1), names(), names()); },
        MESetItemInfoForIncrementalLoadMsg, false, "QtUIDStringList2Message" },
    { "clearIndices", [](E& e) { e.clearIndices(object(1), { 1 }); }, MEClearIndicesMsg, true,
        "QtUIDsMessage" },
    { "setAutoExpand", [](E& e) { e.setAutoExpand(true); }, MESetAutoExpandMsg, false,
        "QtBoolMessage" },
    { "setDropCancel", [](E& e) { e.setDropCancel(); }, MESetDropCancelMsg, false, "QtMessage" },
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

TEST_F(ExplorerPeerTest, BridgeBuildsTheExplorerPeer)
{
    std::map<int, std::u16string> strings;
    // The running bridge builds one; its peer is the explorer proxy.
    std::unique_ptr<VXModelExplorer> made(vxtest::bridge()->createModelExplorer(strings));
    EXPECT_NE(dynamic_cast<QtModelExplorer*>(made.get()), nullptr);
}

} // namespace
