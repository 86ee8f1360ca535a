// Everything the host hands an explorer is freed once: after the window handled it, or with
// its message when no window is there to take it.
#include "engine/VXBridge.h"
#include "messaging/QtModelExplorer.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/WidgetLeakTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using RecordList = VXModelExplorer::RecordList;

// Every operation that hands over records, with the records built before any is posted (the
// count is then only written on the GUI thread until the round trip).
struct Handover {
    const char* name;
    std::function<void(VXModelExplorer&, std::vector<RecordList*>&)> call;
};

RecordList* listOf(int count)
{
    auto* list = new RecordList();
    for (int i = 0; i < count; ++i) {
        auto* record = new CountedRecord(handle(std::uintptr_t(i + 1)));
        record->addChild(new CountedRecord(handle(100)));
        list->push_back(record);
    }
    return list;
}

const Handover kHandovers[] = {
    { "setRoot",
        [](VXModelExplorer& e, std::vector<RecordList*>& lists) {
            auto* root = lists.back()->front();
            lists.back()->pop_front();
            e.setRoot(static_cast<VXMEObjectMessageData*>(root));
        } },
    { "addList", [](VXModelExplorer& e, std::vector<RecordList*>& l) { e.addList(l.back()); } },
    { "replaceList",
        [](VXModelExplorer& e, std::vector<RecordList*>& l) { e.replaceList(l.back(), u"x"); } },
    { "editListNodes",
        [](VXModelExplorer& e, std::vector<RecordList*>& l) { e.editListNodes(l.back()); } },
    { "updateNodes",
        [](VXModelExplorer& e, std::vector<RecordList*>& l) { e.updateNodes(l.back(), true); } },
    { "updatePendingData",
        [](VXModelExplorer& e, std::vector<RecordList*>& l) { e.updatePendingData(l.back()); } },
};

class ExplorerOwnershipTest : public vxtest::WidgetLeakTest {
protected:
    // Hands every kind of record over to `explorer`, then waits for the GUI side.
    void handOver(VXModelExplorer& explorer)
    {
        ASSERT_EQ(CountedRecord::alive, 0);
        std::vector<std::vector<RecordList*>> lists(std::size(kHandovers));
        for (auto& perCall : lists)
            perCall.push_back(listOf(3));
        EXPECT_EQ(CountedRecord::alive, int(std::size(kHandovers)) * 6);
        for (std::size_t i = 0; i < std::size(kHandovers); ++i)
            kHandovers[i].call(explorer, lists[i]);
        // setRoot took one record out of its list; the rest of that list goes with addList.
        explorer.addList(lists[0].back());
        vxtest::widgetCount();
    }
};

TEST_F(ExplorerOwnershipTest, LiveWindowFreesWhatItHandled)
{
    std::map<int, std::u16string> strings;
    VXModelExplorer* explorer = own(vxtest::bridge()->createModelExplorer(strings));
    ASSERT_NE(explorer, nullptr);
    handOver(*explorer);
    EXPECT_EQ(CountedRecord::alive, 0);
}

TEST_F(ExplorerOwnershipTest, MessagesWithoutAWindowFreeWhatTheyCarry)
{
    // A peer whose window never existed: every message is dropped at the dispatcher.
    QtModelExplorer orphan;
    handOver(orphan);
    EXPECT_EQ(CountedRecord::alive, 0);
}

} // namespace
