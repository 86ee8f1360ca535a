// Every spreadsheet operation, one case each: the peer hands the GUI side one message with the
// id, delivery and payload class of its row, and nothing is refused on the way. A probe stands
// in for the widget; owned payloads it never takes are freed with their messages.
#include "engine/VXBridge.h"
#include "engine/VXPanel.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "messaging/QtSpreadSheet.h"
#include "tests/modelexplorer/PeerProbe.h"
#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using vxtest::names;
using vxtest::object;
using vxtest::Post;
using vxtest::records;
using vxtest::Send;

using Operation = vxtest::PeerOperation<QtSpreadSheet>;
#define OP(...) VX_PEER_OPERATION(QtSpreadSheet, __VA_ARGS__)
std::vector<UDInterface*> s_objects;
std::vector<void*> s_texts;

const Operation kOperations[] = {
    OP(show, p.show(true), SSShowMsg, Post, "Bool"),
    OP(setVisible, p.setVisible(false), SSShowMsg, Post, "Bool"),
    OP(showColumns, p.showColumns(), SSShowColumnsMsg, Post, ""),
    OP(hideColumns, p.hideColumns(), SSHideColumnsMsg, Post, ""),
    OP(replacePropertyNames, p.replacePropertyNames(names(), nullptr), SSReplacePropertyNamesMsg,
        Post, "StringList2"),
    OP(replaceList, p.replaceList(records(), u"n"), SSReplaceListMsg, Post, "HandleNumStr"),
    OP(updatePendingData, p.updatePendingData(records()), SSUpdatePendingDataMsg, Post, "Handle"),
    OP(updateNodes, p.updateNodes(records(), true), MEUpdateNodesMsg, Post, "HandleBool"),
    OP(editListNodes, p.editListNodes(records()), MEEditListNodesMsg, Post, "Handle"),
    OP(editItems, p.editItems({ object(1) }, "Name", u"v"), SSEditItemsMsg, Post, "Handle"),
    OP(sort, p.sort("Name", false), SSEnableSortingMsg, Post, "StrInt4"),
    OP(setGroupColumn, p.setGroupColumn("Name"), MESetGroupColumnMsg, Send, "String"),
    OP(setTitle, p.setTitle(u"t"), SSSetTitleMsg, Send, "String"),
    OP(select, p.select({ object(1) }, true), SSSelectMsg, Post, "HandleBool"),
    OP(toggleFilter, p.toggleFilter(), SSToggleFilterMsg, Post, ""),
    OP(setFilterText, p.setFilterText(u"f"), MESetFilterStringMsg, Send, "String"),
    OP(getFilterText, p.getFilterText(), MEGetFilterStringMsg, Send, ""),
    OP(setFilterWidget, p.setFilterWidget(nullptr), SSSetFilterWidgetMsg, Post, "Handle"),
    OP(setListViewManager, p.setListViewManager(nullptr), MESetListViewManagerMsg, Post, "Handle"),
    OP(fillVectorWithSpreadSheetText, p.fillVectorWithSpreadSheetText(&s_texts),
        SSFillVectorWithTextMsg, Send, "Handle"),
    OP(getItems, p.getItems(&s_objects), SSGetItemsMsg, Send, "Handle"),
    OP(getSelection, p.getSelection(&s_objects), SSGetSelectionMsg, Send, "Handle"),
    OP(isItemDrawnDisabled, p.isItemDrawnDisabled(object(1), 2), SSIsItemDrawnDisabledMsg, Send,
        "HandleInt5"),
    OP(clickHyperlink, p.clickHyperlink(object(1), "Link"), SSClickHyperLinkMsg, Post,
        "HandleStr4"),
    OP(loadAllContent, p.loadAllContent(), SSLoadAllContentMsg, Send, ""),
    OP(getListLoadFlagStatus, p.getListLoadFlagStatus(), SSGetListLoadFlagStatusMsg, Send, ""),
    OP(setEnabled, p.setEnabled(false), SSSetEnabledMsg, Post, "Bool"),
    OP(isEnabled, p.isEnabled(), IsEnabledMsg, Send, ""),
    OP(isVisible, p.isVisible(), IsVisibleMsg, Send, ""),
    OP(isInView, p.isInView(object(1)), SSIsInViewMsg, Send, "Handle"),
};

class SpreadSheetPeerTest : public vxtest::PeerProbeTest<QtSpreadSheet, Operation> { };

TEST_P(SpreadSheetPeerTest, OperationSendsOneMessageOfItsRow)
{
    EXPECT_EQ(callAndCheck(GetParam()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(AllOperations, SpreadSheetPeerTest, testing::ValuesIn(kOperations),
    [](const testing::TestParamInfo<Operation>& info) { return std::string(info.param.name); });

TEST_F(SpreadSheetPeerTest, QueriesWithoutAnAnswerFallBack)
{
    EXPECT_EQ(m_peer->getFilterText(), std::u16string());
    EXPECT_FALSE(m_peer->isInView(object(1)));
    EXPECT_FALSE(m_peer->isItemDrawnDisabled(object(1), 1));
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
