// Every spreadsheet operation, one case each: the peer hands the GUI side one message of the id
// of its row, and the bridge refuses nothing on the way (it holds every message to the
// catalogue's payload class and delivery). A probe stands in for the widget; owned payloads it
// never takes are freed with their messages.
#include "engine/VXBridge.h"
#include "engine/VXPanel.h"
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
using vxtest::records;

using Operation = vxtest::PeerOperation<QtSpreadSheet>;
#define OP(...) VX_PEER_OPERATION(QtSpreadSheet, __VA_ARGS__)
std::vector<UDInterface*> s_objects;
std::vector<void*> s_texts;

const Operation kOperations[] = {
    OP(p.show(true), SSShowMsg),
    OP(p.setVisible(false), SSShowMsg),
    OP(p.showColumns(), SSShowColumnsMsg),
    OP(p.hideColumns(), SSHideColumnsMsg),
    OP(p.replacePropertyNames(names(), nullptr), SSReplacePropertyNamesMsg),
    OP(p.replaceList(records(), u"n"), SSReplaceListMsg),
    OP(p.updatePendingData(records()), SSUpdatePendingDataMsg),
    OP(p.updateNodes(records(), true), MEUpdateNodesMsg),
    OP(p.editListNodes(records()), MEEditListNodesMsg),
    OP(p.editItems({ object(1) }, "Name", u"v"), SSEditItemsMsg),
    OP(p.sort("Name", false), SSEnableSortingMsg),
    OP(p.setGroupColumn("Name"), MESetGroupColumnMsg),
    OP(p.setTitle(u"t"), SSSetTitleMsg),
    OP(p.select({ object(1) }, true), SSSelectMsg),
    OP(p.toggleFilter(), SSToggleFilterMsg),
    OP(p.setFilterText(u"f"), MESetFilterStringMsg),
    OP(p.getFilterText(), MEGetFilterStringMsg),
    OP(p.setFilterWidget(nullptr), SSSetFilterWidgetMsg),
    OP(p.setListViewManager(nullptr), MESetListViewManagerMsg),
    OP(p.fillVectorWithSpreadSheetText(&s_texts), SSFillVectorWithTextMsg),
    OP(p.getItems(&s_objects), SSGetItemsMsg),
    OP(p.getSelection(&s_objects), SSGetSelectionMsg),
    OP(p.isItemDrawnDisabled(object(1), 2), SSIsItemDrawnDisabledMsg),
    OP(p.clickHyperlink(object(1), "Link"), SSClickHyperLinkMsg),
    OP(p.loadAllContent(), SSLoadAllContentMsg),
    OP(p.getListLoadFlagStatus(), SSGetListLoadFlagStatusMsg),
    OP(p.setEnabled(false), SSSetEnabledMsg),
    OP(p.isEnabled(), IsEnabledMsg),
    OP(p.isVisible(), IsVisibleMsg),
    OP(p.isInView(object(1)), SSIsInViewMsg),
};

class SpreadSheetPeerTest : public vxtest::PeerProbeTest<QtSpreadSheet, Operation> { };

TEST_P(SpreadSheetPeerTest, OperationSendsOneMessageOfItsRow)
{
    EXPECT_EQ(callAndCheck(GetParam()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(AllOperations, SpreadSheetPeerTest, testing::ValuesIn(kOperations),
    vxtest::operationName<QtSpreadSheet>);

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
