// Every spreadsheet operation, one case each: the peer hands the GUI side one message with the
// id, delivery and payload class of its row, and nothing is refused on the way. A probe stands
// in for the widget; owned payloads it never takes are freed with their messages.
#include "engine/VXBridge.h"
#include "engine/VXPanel.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "messaging/QtMessage.h"
#include "messaging/QtSpreadSheet.h"
#include "messaging/VXMessageCatalogue.h"
#include "tests/modelexplorer/PeerProbe.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiWidget.h"
#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace {

using Seen = vxtest::SeenMessage;

using vxtest::names;
using vxtest::object;
using vxtest::records;

using Operation = vxtest::PeerOperation<QtSpreadSheet>;
using S = QtSpreadSheet;
std::vector<UDInterface*> s_objects;
std::vector<void*> s_texts;

const Operation kOperations[] = {
    { "show", [](S& s) { s.show(true); }, SSShowMsg, false, "QtBoolMessage" },
    { "setVisible", [](S& s) { s.setVisible(false); }, SSShowMsg, false, "QtBoolMessage" },
    { "showColumns", [](S& s) { s.showColumns(); }, SSShowColumnsMsg, false, "QtMessage" },
    { "hideColumns", [](S& s) { s.hideColumns(); }, SSHideColumnsMsg, false, "QtMessage" },
    { "replacePropertyNames", [](S& s) { s.replacePropertyNames(names(), nullptr); },
        SSReplacePropertyNamesMsg, false, "QtStringList2Message" },
    { "replaceList", [](S& s) { s.replaceList(records(), u"n"); }, SSReplaceListMsg, false,
        "QtHandleNumStrMessage" },
    { "updatePendingData", [](S& s) { s.updatePendingData(records()); }, SSUpdatePendingDataMsg,
        false, "QtHandleMessage" },
    { "updateNodes", [](S& s) { s.updateNodes(records(), true); }, MEUpdateNodesMsg, false,
        "QtHandleBoolMessage" },
    { "editListNodes", [](S& s) { s.editListNodes(records()); }, MEEditListNodesMsg, false,
        "QtHandleMessage" },
    { "editItems", [](S& s) { s.editItems({ object(1) }, "Name", u"v"); }, SSEditItemsMsg, false,
        "QtHandleMessage" },
    { "sort", [](S& s) { s.sort("Name", false); }, SSEnableSortingMsg, false, "QtStrInt4Message" },
    { "setGroupColumn", [](S& s) { s.setGroupColumn("Name"); }, MESetGroupColumnMsg, true,
        "QtStringMessage" },
    { "setTitle", [](S& s) { s.setTitle(u"t"); }, SSSetTitleMsg, true, "QtStringMessage" },
    { "select", [](S& s) { s.select({ object(1) }, true); }, SSSelectMsg, false,
        "QtHandleBoolMessage" },
    { "toggleFilter", [](S& s) { s.toggleFilter(); }, SSToggleFilterMsg, false, "QtMessage" },
    { "setFilterText", [](S& s) { s.setFilterText(u"f"); }, MESetFilterStringMsg, true,
        "QtStringMessage" },
    { "getFilterText", [](S& s) { s.getFilterText(); }, MEGetFilterStringMsg, true, "QtMessage" },
    { "setFilterWidget", [](S& s) { s.setFilterWidget(nullptr); }, SSSetFilterWidgetMsg, false,
        "QtHandleMessage" },
    { "setListViewManager", [](S& s) { s.setListViewManager(nullptr); }, MESetListViewManagerMsg,
        false, "QtHandleMessage" },
    { "fillVectorWithSpreadSheetText", [](S& s) { s.fillVectorWithSpreadSheetText(&s_texts); },
        SSFillVectorWithTextMsg, true, "QtHandleMessage" },
    { "getItems", [](S& s) { s.getItems(&s_objects); }, SSGetItemsMsg, true, "QtHandleMessage" },
    { "getSelection", [](S& s) { s.getSelection(&s_objects); }, SSGetSelectionMsg, true,
        "QtHandleMessage" },
    { "isItemDrawnDisabled", [](S& s) { s.isItemDrawnDisabled(object(1), 2); },
        SSIsItemDrawnDisabledMsg, true, "QtHandleInt5Message" },
    { "clickHyperlink", [](S& s) { s.clickHyperlink(object(1), "Link"); }, SSClickHyperLinkMsg,
        false, "QtHandleStr4Message" },
    { "loadAllContent", [](S& s) { s.loadAllContent(); }, SSLoadAllContentMsg, true, "QtMessage" },
    { "getListLoadFlagStatus", [](S& s) { s.getListLoadFlagStatus(); }, SSGetListLoadFlagStatusMsg,
        true, "QtMessage" },
    { "setEnabled", [](S& s) { s.setEnabled(false); }, SSSetEnabledMsg, false, "QtBoolMessage" },
    { "isEnabled", [](S& s) { s.isEnabled(); }, IsEnabledMsg, true, "QtMessage" },
    { "isVisible", [](S& s) { s.isVisible(); }, IsVisibleMsg, true, "QtMessage" },
    { "isInView", [](S& s) { s.isInView(object(1)); }, SSIsInViewMsg, true, "QtHandleMessage" },
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
