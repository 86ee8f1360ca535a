// The explorer's records: ownership, style keys, option records and the record factory.
#include "engine/modelexplorer/VXEventIntArray.h"
#include "engine/modelexplorer/VXMEEventData.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectDataFactory.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectPropnameEventData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "host/HostObjectDataFactory.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "vrix/BlockArena.h"
#include "vrix/Color.h"
#include "vrix/SanitizerAnnotations.h"
#include "vrix/VXPreferences.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"
#include "vrix/services/ServiceRegistry.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <thread>
#include <tuple>

namespace {

class RecordsTest : public testing::Test {
protected:
    RecordsFreed freed;
};

// A host builds a long list in a scope on its thread; the explorer frees it on its own.
TEST_F(RecordsTest, AListBuiltInABulkScopeTakesSharedBlocksAndGivesThemBack)
{
    const std::size_t before = VRIX::BlockArena::liveBlocks();
    auto* list = new VXMEObjectDataList;
    std::thread([list] {
        VXMEObjectData::Bulk bulk;
        for (int i = 0; i < 2000; ++i) {
            auto* record = new VXMEObjectMessageData(nullptr);
            record->sortKey = u"0000001";
            list->push_back(record);
        }
        list->push_back(new CountedRecord(handle(1)));
    }).join();
    if (!vxHeapBlocksOnly) {
        // 2 000 records of a few hundred bytes: a few dozen 32 KB blocks, not 2 000 heap blocks.
        EXPECT_GT(VRIX::BlockArena::liveBlocks(), before);
        EXPECT_LT(VRIX::BlockArena::liveBlocks(), before + 40);
    }
    VXMEObjectData::destroyList(list);
    EXPECT_EQ(VRIX::BlockArena::liveBlocks(), before);

    // A host's record class aligned beyond a pointer keeps its alignment inside a scope too.
    struct alignas(64) Aligned : VXMEObjectData {
        char bytes[8] = {};
    };
    VXMEObjectData::Bulk bulk;
    std::unique_ptr<VXMEObjectData> aligned(new Aligned);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(aligned.get()) % 64, 0u);
}

TEST_F(RecordsTest, ChildrenAndListsAreFreedWithWhatHoldsThem)
{
    auto* parent = new CountedRecord(handle(1));
    parent->addChild(nullptr);
    EXPECT_EQ(parent->children, nullptr);
    auto* child = new CountedRecord(handle(2));
    child->addChild(new CountedRecord(handle(3)));
    parent->addChild(child);
    parent->addChild(new CountedRecord(handle(4)));
    ASSERT_NE(parent->children, nullptr);
    EXPECT_EQ(parent->children->size(), 2u);
    EXPECT_EQ(parent->children->front(), child);
    EXPECT_EQ(CountedRecord::alive, 4);
    delete parent;

    // A list is freed with its records, null ones skipped, and its pointer nulled.
    VXMEObjectDataList* none = nullptr;
    VXMEObjectData::destroyList(none);
    EXPECT_EQ(none, nullptr);

    auto* list = new VXMEObjectDataList { new CountedRecord(handle(1)), nullptr,
        new CountedRecord(handle(2)) };
    VXMEObjectData::destroyList(list);
    EXPECT_EQ(list, nullptr);

    // Records compare by handle only.
    CountedRecord a(handle(7)), b(handle(7)), c(handle(8));
    EXPECT_TRUE(a.equals(&b) && a.equals(handle(7)));
    EXPECT_FALSE(a.equals(&c));
    EXPECT_FALSE(a.equals(static_cast<const VXMEObjectData*>(nullptr)));
    EXPECT_FALSE(a.equals(static_cast<const UDInterface*>(nullptr)));
}

TEST_F(RecordsTest, EventRecordPropertyListsFollowTheirNullRules)
{
    VXMEObjectEventData data(handle(1));
    data.addPropertyValuePair(nullptr, u"x");
    EXPECT_EQ(data.propertyNames, nullptr);
    EXPECT_EQ(data.propertyValues, nullptr);
    data.addPropertyValue(u"v");
    EXPECT_EQ(data.propertyNames, nullptr);
    ASSERT_NE(data.propertyValues, nullptr);
    data.addPropertyName(nullptr);
    EXPECT_EQ(data.propertyNames, nullptr);
    data.addPropertyValuePair("Name", u"w");
    ASSERT_NE(data.propertyNames, nullptr);
    EXPECT_STREQ(data.propertyNames->elementAt(0), "Name");
    EXPECT_EQ(*data.propertyValues->elementAt(1), u"w");
    data.cleanupPropertyValues();
    EXPECT_EQ(data.propertyNames, nullptr);
    EXPECT_EQ(data.propertyValues, nullptr);
    data.parent = new VXMEObjectEventData(handle(2));
    data.parent->parent = new VXMEObjectEventData(handle(3)); // freed through the chain (ASan)
}

TEST(PropertyAttributeTest, FlagsStyleBitsAndStyleStrings)
{
    VXPropertyAttribute a(true, false, true, false, false, false, true);
    EXPECT_EQ(a.flags, 0x45);
    a.setStyle("bold", 1);
    EXPECT_EQ(a.flags, 0x145);
    a.setStyle("bold", 2);
    EXPECT_EQ(a.flags, 0x45);
    a.setStyle("italic", 1);
    a.setStyle("iconalignment", 1);
    EXPECT_EQ(a.flags, 0x45 | 0x200 | 0x80);
    a.setStyle("unknown", 1);
    a.setStyle("unknown", std::string("text"));
    EXPECT_EQ(a.flags, 0x45 | 0x200 | 0x80);
    a.flags |= 0xfc00; // bits 10 to 15 keep their value
    a.setStyle("italic", 0);
    EXPECT_EQ(a.flags, 0xfc00 | 0x45 | 0x80);

    a.setStyle("tooltip", std::string("tip"));
    a.setStyle("icon", std::string("pic.png"));
    a.setStyle("color", VRIX::Color::fromBytes(255, 255, 255, 255));
    a.setStyle("backgroundcolor", VRIX::Color::fromRgba(0x01020304u));
    EXPECT_EQ(a.getStyle("tooltip"), "tip");
    EXPECT_EQ(a.getStyle("icon"), "pic.png");
    EXPECT_EQ(a.getStyle("color"), "255,255,255,255");
    EXPECT_EQ(a.getStyle("backgroundcolor"), "1,2,3,4");
    EXPECT_EQ(&a.getStyle("unknown"), &a.tooltip);
}

TEST(OptionRecordsTest, LoadingFromAnEmptyStoreKeepsDefaultsAndSavedValuesComeBack)
{
    VXMEViewAttributes view;
    view.loadFromPreferences("RecordsTestEmpty", "Explorer");
    EXPECT_EQ(std::make_tuple(view.showDynamicDialogs, view.showCustomizePropsPane,
                  view.stackListnTree, view.showPropertyDetails, view.markUnrelatedProperties),
        std::make_tuple(true, false, false, true, false));

    view.showDynamicDialogs = false;
    view.markUnrelatedProperties = true;
    view.saveToPreferences("RecordsTestSaved", "Explorer");
    EXPECT_FALSE(
        VXPreferences::getBoolPref("RecordsTestSaved", "Explorer_ShowDynamicDialogs", true));
    VXMEViewAttributes loaded;
    loaded.loadFromPreferences("RecordsTestSaved", "Explorer");
    EXPECT_FALSE(loaded.showDynamicDialogs);
    EXPECT_TRUE(loaded.markUnrelatedProperties);

    VXMENavigationAttributes navigation;
    navigation.allowWholeRowDblClick = true;
    navigation.saveToPreferences("RecordsTestSaved", "Nav");
    EXPECT_TRUE(VXPreferences::getBoolPref("RecordsTestSaved", "Nav_AllowWholeRowDblClick", false));
    VXMENavigationAttributes fresh;
    fresh.loadFromPreferences("RecordsTestSaved", "Nav");
    EXPECT_TRUE(fresh.allowWholeRowDblClick);
}

TEST_F(RecordsTest, EventsFreeTheirPayloadOnlyWhenTheyOwnIt)
{
    auto* list
        = new VXMEObjectDataList { new CountedRecord(handle(1)), new CountedRecord(handle(2)) };
    delete new VXMEEventDataList(SSSelectionChangedEvent, nullptr, list);
    EXPECT_EQ(CountedRecord::alive, 0);

    auto* kept = new VXMEObjectDataList { new CountedRecord(handle(3)) };
    auto* event = new VXMEEventDataList(SSSelectionChangedEvent, nullptr, kept);
    event->m_ownsPayload = false;
    delete event;
    EXPECT_EQ(CountedRecord::alive, 1);
    VXMEObjectData::destroyList(kept);

    delete new VXMEEventData(METreeExpandedEvent, nullptr, new VXMEObjectEventData(handle(4)));
    delete new VXMEEventData(METreeExpandedEvent, nullptr, nullptr);

    VXMEObjectPropnameEventData link(SSClickHyperlinkPropEvent, nullptr, handle(5));
    EXPECT_EQ(link.getPropertyName(), nullptr);
    link.setPropertyName("First");
    link.setPropertyName(nullptr);
    EXPECT_STREQ(link.getPropertyName(), "First");
    link.setPropertyName("Second");
    EXPECT_STREQ(link.getPropertyName(), "Second");

    VXEventIntArray bad(MESplittersMovedEvent, nullptr, nullptr, 5);
    EXPECT_EQ(bad.getCount(), 0);
    VXEventIntArray negative(MESplittersMovedEvent, nullptr, new int[2] { 1, 2 }, -3);
    EXPECT_EQ(negative.getCount(), 0);
}

TEST_F(RecordsTest, HostFactoryIsRegisteredUnderItsNameAndMakesFreshRecords)
{
    VXHost::HostObjectDataFactory* factory = VXHost::installObjectDataFactory();
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(VXHost::installObjectDataFactory(), factory);
    auto* found = dynamic_cast<VXServices::VXMEObjectDataFactory*>(
        VXServices::ServiceRegistry::instance().find("VXMEObjectDataFactory"));
    ASSERT_EQ(found, factory);
    VXMEObjectMessageData* message = found->createMessageData(handle(9));
    VXMEObjectEventData* event = found->createEventData(nullptr);
    EXPECT_EQ(message->object, handle(9));
    EXPECT_EQ(message->children, nullptr);
    EXPECT_EQ(event->object, nullptr);
    EXPECT_EQ(factory->messageDataCreated(), 1);
    EXPECT_EQ(factory->eventDataCreated(), 1);
    delete message;
    delete event;
}

} // namespace
