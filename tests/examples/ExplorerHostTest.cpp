#include "examples/vxdemo/explorer/ExplorerHost.h"

#include "engine/VXEvent.h"
#include "engine/modelexplorer/VXEventUDI.h"
#include "engine/modelexplorer/VXMEEventCreateObject.h"
#include "engine/modelexplorer/VXMEEventData.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "tests/examples/RecordingAnswers.h"
#include "vrix/VXUStringList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

using Property = ObjectStore::Property;

namespace {

std::string narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

std::u16string widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

std::string valueOf(const VXMEObjectMessageData* row, Property property)
{
    if (!row || !row->listValues)
        return "<none>";
    const std::u16string* value = row->listValues->elementAt(int(property));
    return value ? narrow(*value) : "<none>";
}

// A host over a store of `Leaves` leaves (9 blocks of 3 subsystems of 1 system).
template <std::uint32_t Leaves> class HostTest : public ::testing::Test {
protected:
    HostTest()
        : store(ObjectStore::Shape { 1, 3, 3, Leaves })
        , host(store, answers)
    {
    }

    std::uint32_t firstBlock() const { return store.childNodes(store.childNodes(1)[0])[0]; }

    void send(VXEvent* event)
    {
        std::unique_ptr<VXEvent> owned(event);
        host.handleEvent(owned.get());
    }

    void sendNode(VXEventType type, UDInterface* object)
    {
        send(new VXMEEventData(type, nullptr, new VXMEObjectEventData(object)));
    }

    void sendList(VXEventType type, VXMEObjectDataList* records, const char* text = nullptr)
    {
        auto* event = new VXMEEventDataList(type, nullptr, records);
        if (text)
            event->setString(text);
        send(event);
    }

    static VXMEObjectData* placeholderRecord(UDInterface* owner, std::uint64_t index)
    {
        auto* record = new VXMEObjectData(nullptr);
        record->owner = owner;
        record->index = index;
        return record;
    }

    VXMEObjectEventData* changeRecord(std::uint32_t leaf, const char* property, const char* value)
    {
        auto* record = new VXMEObjectEventData(store.leafHandle(leaf));
        record->addPropertyValuePair(property, widen(value));
        return record;
    }

    RecordingAnswers answers;
    ObjectStore store;
    ExplorerHost host;
};

using ExplorerHostTest = HostTest<900>;
using MillionLeafHostTest = HostTest<1000000>;

} // namespace

TEST_F(ExplorerHostTest, OpeningGivesColumnsAndTwoLevelsOfTree)
{
    host.open();
    ASSERT_EQ(answers.operations(), "setColumns setRoot");
    ASSERT_EQ(answers.answers[0].names->size(), ObjectStore::kPropertyCount);
    EXPECT_STREQ(answers.answers[0].names->elementAt(6), "Sample time");
    const VXMEObjectMessageData* root = answers.answers[1].record.get();
    EXPECT_EQ(root->label, u"Model");
    ASSERT_NE(root->children, nullptr);
    auto* system = dynamic_cast<VXMEObjectMessageData*>(root->children->front());
    ASSERT_NE(system, nullptr);
    ASSERT_NE(system->children, nullptr);
    EXPECT_EQ(system->children->size(), 3u);
    auto* subsystem = dynamic_cast<VXMEObjectMessageData*>(system->children->front());
    EXPECT_EQ(subsystem->children, nullptr) << "the third level comes on expansion";
}

TEST_F(ExplorerHostTest, ExpansionGivesTheNodesChildrenAndIgnoresOtherHandles)
{
    const std::uint32_t subsystem = store.childNodes(1)[1];
    for (VXEventType type : { MESubtreeReplaceRequest, METreeExpandedEvent }) {
        answers.clear();
        sendNode(type, store.nodeHandle(subsystem));
        ASSERT_EQ(answers.operations(), "replaceSubtree");
        const VXMEObjectMessageData* node = answers.last().record.get();
        EXPECT_EQ(node->object, store.nodeHandle(subsystem));
        ASSERT_NE(node->children, nullptr);
        EXPECT_EQ(node->children->size(), 3u);
        EXPECT_EQ(
            node->children->front()->object, store.nodeHandle(store.childNodes(subsystem)[0]));
    }
    answers.clear();
    int local = 0;
    sendNode(MESubtreeReplaceRequest, store.leafHandle(0));
    sendNode(MESubtreeReplaceRequest, reinterpret_cast<UDInterface*>(&local));
    sendNode(MESubtreeReplaceRequest, nullptr);
    send(new VXMEEventData(MESubtreeReplaceRequest, nullptr, nullptr));
    EXPECT_EQ(answers.operations(), "");
}

// One block shown, then each answer about its rows in turn; creation comes last as it adds rows.
TEST_F(ExplorerHostTest, AShownBlocksRowsAnswerListingGroupingSelectionEditsAndCreation)
{
    const std::uint32_t block = firstBlock();
    sendNode(METreeSelectionChangedEvent, store.nodeHandle(block));
    {
        SCOPED_TRACE("a small list comes complete with attributes");
        // The list names its block, and the block's own page goes to the dialog pane.
        ASSERT_EQ(answers.operations(), "showContentsOf replaceList showDialog");
        const std::u16string name = widen("Block" + std::to_string(block));
        const std::u16string& path = answers.answers[0].text;
        EXPECT_EQ(path.rfind(u"Model/", 0), 0u);
        EXPECT_EQ(path.size() - path.rfind(u"/" + name), name.size() + 1);
        EXPECT_NE(answers.answers[2].text.find(u"<h3>" + name + u"</h3>"), std::u16string::npos);
        const auto& list = answers.answers[1];
        const auto& rows = list.rows;
        ASSERT_EQ(rows.size(), store.leavesOf(block).size());
        EXPECT_NE(
            answers.answers[2].text.find(u"<td>" + widen(std::to_string(rows.size())) + u"</td>"),
            std::u16string::npos);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const std::uint32_t leaf = store.leavesOf(block)[i];
            const VXMEObjectMessageData* row = list.row(i);
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->object, store.leafHandle(leaf));
            EXPECT_EQ(row->sortKey.size(), std::size_t(ExplorerRecords::kKeyDigits));
            ASSERT_EQ(row->listValues->size(), ObjectStore::kPropertyCount);
            ASSERT_EQ(row->listAttributes->size(), std::size_t(ObjectStore::kPropertyCount));
            EXPECT_EQ(valueOf(row, Property::Name), store.leafName(leaf));
            const auto& attributes = *row->listAttributes;
            EXPECT_TRUE(attributes[int(Property::Name)].flags & 0x4) << "names are read-only";
            EXPECT_TRUE(attributes[int(Property::Enabled)].flags & 0x10) << "a boolean";
            EXPECT_FALSE(attributes[int(Property::Colour)].backgroundColor.empty());
            for (int p = 0; p < ObjectStore::kPropertyCount; ++p)
                EXPECT_EQ(bool(attributes[std::size_t(p)].flags & 0x1),
                    ObjectStore::hasProperty(store.typeOf(leaf), Property(p)));
        }
    }
    {
        SCOPED_TRACE("grouping names each row's group");
        for (const char* property : { "Type", "Enabled", "" }) {
            answers.clear();
            auto* event = new VXEvent(SSGroupingChangedEvent, nullptr);
            event->setString(property);
            send(event);
            ASSERT_EQ(answers.operations(), "replaceList") << property;
            Property grouped;
            const bool grouping = ObjectStore::propertyByName(property, grouped);
            for (std::size_t i = 0; i < answers.last().rows.size(); ++i) {
                const std::uint32_t leaf = store.leavesOf(block)[i];
                EXPECT_EQ(answers.last().row(i)->groupName,
                    grouping ? store.text(leaf, grouped) : std::u16string())
                    << property;
            }
        }
    }
    {
        SCOPED_TRACE("selecting a row shows its dialog");
        answers.clear();
        const std::uint32_t leaf = store.leavesOf(block)[1];
        sendList(SSSelectionChangedEvent,
            new VXMEObjectDataList { new VXMEObjectEventData(nullptr),
                new VXMEObjectEventData(store.leafHandle(leaf)) });
        ASSERT_EQ(answers.operations(), "showDialog");
        EXPECT_NE(answers.last().text.find(widen(store.leafName(leaf))), std::u16string::npos);
        answers.clear();
        sendList(SSSelectionChangedEvent, new VXMEObjectDataList {});
        EXPECT_EQ(answers.operations(), "");

        // The "contents of" link brings the node's page back; a leaf or a foreign handle nothing.
        int local = 0;
        for (UDInterface* object : { store.leafHandle(leaf), reinterpret_cast<UDInterface*>(&local),
                 static_cast<UDInterface*>(nullptr), store.nodeHandle(block) })
            send(new VXEventUDI(MEViewHyperlinkEvent, nullptr, object));
        ASSERT_EQ(answers.operations(), "showDialog");
        EXPECT_NE(answers.last().text.find(widen(store.nodeName(block))), std::u16string::npos);
    }
    {
        SCOPED_TRACE("an edit request gives the editor and the values");
        const std::uint32_t leaf = store.leavesOf(block)[2];
        const struct {
            const char* property;
            int choices;
            bool text;
        } cases[] = { { "Type", ObjectStore::kTypeCount, false }, { "Mode", 3, false },
            { "Enabled", 2, false }, { "Value", 0, true }, { "Name", 0, false } };
        for (const auto& c : cases) {
            answers.clear();
            auto* record = new VXMEObjectEventData(store.leafHandle(leaf));
            record->addPropertyName(c.property);
            sendList(SSItemsEditRequest, new VXMEObjectDataList { record }, c.property);
            ASSERT_EQ(answers.operations(), "changeEditType editListNodes") << c.property;
            EXPECT_EQ(answers.answers[0].editor->choices.size(), c.choices) << c.property;
            EXPECT_EQ(answers.answers[0].editor->allowText, c.text) << c.property;
            EXPECT_EQ(valueOf(answers.last().row(0), Property::Type),
                ObjectStore::typeName(store.typeOf(leaf)));
        }
        answers.clear();
        sendList(SSItemsEditRequest,
            new VXMEObjectDataList { new VXMEObjectEventData(store.leafHandle(leaf)) }, "Weight");
        sendList(SSItemsEditRequest, new VXMEObjectDataList { new VXMEObjectEventData(nullptr) },
            "Type");
        EXPECT_EQ(answers.operations(), "");
    }
    {
        SCOPED_TRACE("committed edits change the object and refresh its row");
        const std::uint32_t leaf = store.leavesOf(block)[0];
        ASSERT_TRUE(store.setText(leaf, Property::Type, u"Switch"));
        const struct {
            const char* property;
            const char* value;
            bool accepted;
            const char* shown;
        } cases[] = {
            { "Value", "12.5", true, "12.5" },
            { "value", "twelve", false, "12.5" },
            { "Enabled", "off", true, "off" }, // the check box
            { "Name", "Other", false, nullptr },
            { "Weight", "3", false, nullptr },
        };
        for (const auto& c : cases) {
            answers.clear();
            const int refusedBefore = host.refusedEdits();
            sendList(SSItemsChangedEvent,
                new VXMEObjectDataList { changeRecord(leaf, c.property, c.value) }, c.property);
            ASSERT_EQ(answers.operations(), "updateNodes") << c.property;
            EXPECT_EQ(host.refusedEdits() - refusedBefore, c.accepted ? 0 : 1) << c.property;
            const VXMEObjectMessageData* row = answers.last().row(0);
            ASSERT_NE(row, nullptr);
            EXPECT_EQ(row->object, store.leafHandle(leaf));
            Property property;
            if (c.shown && ObjectStore::propertyByName(c.property, property)) {
                EXPECT_EQ(valueOf(row, property), c.shown) << c.property;
                EXPECT_EQ(narrow(store.text(leaf, property)), c.shown) << c.property;
            }
        }
        EXPECT_EQ(valueOf(answers.last().row(0), Property::Name), "Switch" + std::to_string(leaf));
    }
    {
        SCOPED_TRACE("a creation request adds objects to the shown block");
        sendNode(METreeSelectionChangedEvent, store.nodeHandle(block));
        const std::size_t before = store.leavesOf(block).size();
        const struct {
            const char* type;
            std::vector<std::string> names;
            std::size_t added;
        } cases[] = { { "Gain", { "a", "b", "c" }, 3 }, { "scope", {}, 1 },
            { "Widget", { "x" }, 0 }, { nullptr, { "x" }, 0 } };
        std::size_t total = 0;
        for (const auto& c : cases) {
            answers.clear();
            VXStringList* names = nullptr;
            if (!c.names.empty()) {
                names = new VXStringList;
                for (const std::string& name : c.names)
                    names->addElement(name);
            }
            auto* event = new VXMEEventCreateObject(MECreateNewObjEvent, nullptr, names);
            if (c.type)
                event->setString(c.type);
            send(event);
            total += c.added;
            EXPECT_EQ(store.leavesOf(block).size(), before + total) << (c.type ? c.type : "null");
            EXPECT_EQ(answers.operations(), c.added ? "showContentsOf replaceList" : "");
            if (c.added) {
                EXPECT_EQ(answers.last().rows.size(), before + total);
            }
        }
        EXPECT_EQ(store.typeOf(host.lastCreated()), ObjectStore::Type::Scope);
    }
}

TEST_F(MillionLeafHostTest, AMillionLeavesGoOutAsPlaceholdersArriveWhenAskedAndSort)
{
    sendNode(METreeSelectionChangedEvent, store.nodeHandle(0));
    ASSERT_EQ(answers.operations(), "showContentsOf replaceList showDialog");
    EXPECT_EQ(answers.answers[0].text, u"Model");
    const auto& rows = answers.answers[1].rows;
    ASSERT_EQ(rows.size(), 1000000u);
    EXPECT_EQ(rows[0]->object, nullptr);
    EXPECT_EQ(rows[999999]->owner, store.nodeHandle(0));
    EXPECT_EQ(rows[999999]->index, 999999u);
    EXPECT_EQ(answers.answers[1].row(0)->listValues, nullptr);
    answers.clear();

    // Rows to fetch: two good ones, then an index past the end, another owner and a foreign one.
    int local = 0;
    auto* asked = new VXMEObjectDataList { placeholderRecord(store.nodeHandle(0), 999999),
        placeholderRecord(store.nodeHandle(0), 7), placeholderRecord(store.nodeHandle(0), 1000000),
        placeholderRecord(store.nodeHandle(1), 3),
        placeholderRecord(reinterpret_cast<UDInterface*>(&local), 0), nullptr };
    sendList(SSGetPendingDataEvent, asked);
    ASSERT_EQ(answers.operations(), "updatePendingData");
    ASSERT_EQ(answers.last().rows.size(), 2u);
    const std::vector<std::uint32_t> listed = store.leavesUnder(0);
    const std::uint64_t expected[] = { 999999, 7 };
    for (std::size_t i = 0; i < 2; ++i) {
        const VXMEObjectMessageData* row = answers.last().row(i);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->index, expected[i]);
        EXPECT_EQ(row->owner, store.nodeHandle(0));
        EXPECT_EQ(row->object, store.leafHandle(listed[std::size_t(expected[i])]));
        EXPECT_EQ(valueOf(row, Property::Name), store.leafName(listed[std::size_t(expected[i])]));
    }
    answers.clear();
    sendList(SSGetPendingDataEvent, new VXMEObjectDataList { placeholderRecord(nullptr, 1) });
    send(new VXMEEventDataList(SSGetPendingDataEvent, nullptr, nullptr));
    EXPECT_EQ(answers.operations(), "") << "nothing to answer, nothing sent";

    auto* event = new VXEvent(SSSortingChangedEvent, nullptr);
    event->setString("Priority");
    event->setState(false);
    send(event);
    ASSERT_EQ(answers.operations(), "replaceList");
    EXPECT_EQ(host.sortProperty(), int(Property::Priority));
    EXPECT_FALSE(host.sortAscending());
    ASSERT_EQ(answers.last().rows.size(), 1000000u);
    // Keys rank by priority whatever the direction: the list reverses for descending.
    std::vector<std::uint32_t> byKey(1000000);
    for (std::uint32_t i = 0; i < byKey.size(); ++i)
        byKey[std::stoul(narrow(answers.last().row(i)->sortKey))] = i;
    for (std::size_t r = 1; r < byKey.size(); ++r) {
        const int before = std::stoi(narrow(store.text(listed[byKey[r - 1]], Property::Priority)));
        const int after = std::stoi(narrow(store.text(listed[byKey[r]], Property::Priority)));
        ASSERT_LE(before, after) << "at rank " << r;
    }
    // A row fetched later carries the same key.
    answers.clear();
    sendList(SSGetPendingDataEvent,
        new VXMEObjectDataList { placeholderRecord(store.nodeHandle(0), byKey[0]) });
    ASSERT_EQ(answers.last().rows.size(), 1u);
    EXPECT_EQ(answers.last().row(0)->sortKey, ExplorerRecords::sortKey(0));

    // An edited row keeps its key too, found by its object.
    answers.clear();
    sendList(SSItemsChangedEvent,
        new VXMEObjectDataList { changeRecord(listed[byKey[5]], "Enabled", "off") }, "Enabled");
    ASSERT_EQ(answers.operations(), "updateNodes");
    EXPECT_EQ(answers.last().row(0)->sortKey, ExplorerRecords::sortKey(5));
    EXPECT_FALSE(store.enabled(listed[byKey[5]]));

    answers.clear();
    auto* unknown = new VXEvent(SSSortingChangedEvent, nullptr);
    unknown->setString("Weight");
    send(unknown);
    EXPECT_EQ(answers.operations(), "");
}

TEST_F(ExplorerHostTest, SearchListsTheMatchingLeaves)
{
    const struct {
        std::string text;
        bool includes123;
    } cases[] = { { "NoSuchThing", false }, { ObjectStore::typeName(store.typeOf(123)), true } };
    for (const auto& c : cases) {
        answers.clear();
        const std::uint32_t found = host.search(c.text);
        ASSERT_EQ(answers.operations(), "replaceList");
        EXPECT_EQ(answers.last().rows.size(), found);
        EXPECT_EQ(answers.last().text.empty(), found > 0);
        bool includes = false;
        for (const auto& row : answers.last().rows)
            includes = includes || row->object == store.leafHandle(123);
        EXPECT_EQ(includes, c.includes123) << c.text;
    }
}
