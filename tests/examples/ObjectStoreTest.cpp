#include "examples/vxdemo/explorer/ObjectStore.h"

#include <gtest/gtest.h>

#include <string>

using Property = ObjectStore::Property;
using Type = ObjectStore::Type;

namespace {

std::string narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

// 2 systems of 2 subsystems of 3 blocks.
ObjectStore::Shape smallShape(std::uint32_t leaves, std::uint32_t spare = 16)
{
    return { 2, 2, 3, leaves, spare };
}

std::uint32_t firstOfType(const ObjectStore& store, Type type)
{
    for (std::uint32_t leaf = 0; leaf < store.leafCount(); ++leaf) {
        if (store.typeOf(leaf) == type)
            return leaf;
    }
    return ObjectStore::kNone;
}

} // namespace

TEST(ObjectStore, EveryTypeHasSixToTenProperties)
{
    for (int t = 0; t < ObjectStore::kTypeCount; ++t) {
        int count = 0;
        for (int p = 0; p < ObjectStore::kPropertyCount; ++p)
            count += ObjectStore::hasProperty(Type(t), Property(p)) ? 1 : 0;
        EXPECT_GE(count, 6) << ObjectStore::typeName(Type(t));
        EXPECT_LE(count, 10) << ObjectStore::typeName(Type(t));
    }
}

TEST(ObjectStore, HandlesRoundTripNamesFindTheirObjectsOnlyAndForeignOnesAreRefused)
{
    const ObjectStore store(smallShape(100));
    const ObjectStore other(smallShape(100));
    std::uint32_t id = 0;
    for (std::uint32_t leaf : { 0u, 57u, 99u }) {
        ASSERT_TRUE(store.leafOf(store.leafHandle(leaf), id));
        EXPECT_EQ(id, leaf);
        EXPECT_FALSE(store.nodeOf(store.leafHandle(leaf), id));
        EXPECT_EQ(store.find(store.leafName(leaf)), store.leafHandle(leaf));
    }
    EXPECT_EQ(store.leafHandle(100), nullptr);
    int local = 0;
    for (const UDInterface* foreign :
        { static_cast<const UDInterface*>(nullptr), reinterpret_cast<const UDInterface*>(&local),
            static_cast<const UDInterface*>(other.leafHandle(3)),
            static_cast<const UDInterface*>(other.nodeHandle(0)) }) {
        EXPECT_FALSE(store.leafOf(foreign, id));
        EXPECT_FALSE(store.nodeOf(foreign, id));
        EXPECT_EQ(store.nameOf(foreign), "");
    }

    const std::uint32_t block = store.childNodes(store.childNodes(1)[0])[0];
    const std::uint32_t gain = firstOfType(store, Type::Gain);
    ASSERT_NE(gain, ObjectStore::kNone);
    const struct {
        std::string name;
        UDInterface* expected;
    } cases[] = {
        { "Model", store.nodeHandle(0) },
        { "System1", store.nodeHandle(1) },
        { "Block" + std::to_string(block), store.nodeHandle(block) },
        { "Block1", nullptr }, // node 1 is a system
        { "System0", nullptr },
        { "Gain" + std::to_string(gain), store.leafHandle(gain) },
        { "Scope" + std::to_string(gain), nullptr }, // wrong type for that number
        { "Gain100", nullptr },
        { "Gain99999999999", nullptr },
        { "Gain", nullptr },
        { "12", nullptr },
        { "", nullptr },
    };
    for (const auto& c : cases)
        EXPECT_EQ(store.find(c.name), c.expected) << c.name;
}

TEST(ObjectStore, EditedTextsAreParsedOrRefused)
{
    ObjectStore store(smallShape(50));
    const std::uint32_t leaf = 3;
    ASSERT_TRUE(store.setText(leaf, Property::Type, u"switch")); // has every property
    const std::u16string self = u"Switch3";
    const struct {
        Property property;
        std::u16string text;
        bool accepted;
        std::string shown; // after the edit (the old text stays when refused)
    } cases[] = {
        { Property::Value, u"2.5", true, "2.5" },
        { Property::Value, u" -4 ", true, "-4" },
        { Property::Value, u"abc", false, "-4" },
        { Property::Value, u"nan", false, "-4" },
        { Property::Value, u"1e400", false, "-4" },
        { Property::Value, u"", false, "-4" },
        { Property::Enabled, u"OFF", true, "off" },
        { Property::Enabled, u"1", true, "on" },
        { Property::Enabled, u"maybe", false, "on" },
        { Property::Colour, u"1,2,3", true, "1,2,3" },
        { Property::Colour, u"1,2", false, "1,2,3" },
        { Property::Colour, u"256,0,0", false, "1,2,3" },
        { Property::Colour, u"1,2,3,4", false, "1,2,3" },
        { Property::Colour, u"a,b,c", false, "1,2,3" },
        { Property::Priority, u"-7", true, "-7" },
        { Property::Priority, u"99999999999", false, "-7" },
        { Property::SampleTime, u"-1", true, "-1" },
        { Property::SampleTime, u"0.5", true, "0.5" },
        { Property::SampleTime, u"-2", false, "0.5" },
        { Property::Mode, u"fixed", true, "Fixed" },
        { Property::Mode, u"Sometimes", false, "Fixed" },
        { Property::Link, u"Switch3", false, narrow(store.text(leaf, Property::Link)) },
        { Property::Link, u"", true, "" },
        { Property::Link, u"Nothing7", false, "" },
        { Property::Name, u"Renamed", false, "Switch3" },
        { Property::Mode, u"Fix\u00e9d", false, "Fixed" },
        { Property::Type, u"Widget", false, "Switch" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(store.setText(leaf, c.property, c.text), c.accepted)
            << ObjectStore::propertyName(c.property) << " " << narrow(c.text);
        EXPECT_EQ(narrow(store.text(leaf, c.property)), c.shown)
            << ObjectStore::propertyName(c.property) << " " << narrow(c.text);
    }
    EXPECT_EQ(self, store.text(leaf, Property::Name));
}

TEST(ObjectStore, PropertiesATypeLacksAreEmptyAndReadOnly)
{
    ObjectStore store(smallShape(200));
    const std::uint32_t constant = firstOfType(store, Type::Constant);
    ASSERT_NE(constant, ObjectStore::kNone);
    for (Property p : { Property::SampleTime, Property::Mode, Property::Link }) {
        EXPECT_TRUE(store.text(constant, p).empty());
        EXPECT_FALSE(store.setText(constant, p, u"1"));
    }
    EXPECT_TRUE(store.text(store.leafCount(), Property::Name).empty());
    EXPECT_FALSE(store.setText(store.leafCount(), Property::Value, u"1"));
}

TEST(ObjectStore, MillionLeavesFitTheTreeStayLeanAndRankInOrderKeepingTies)
{
    const ObjectStore store { ObjectStore::Shape {} };
    EXPECT_EQ(store.leafCount(), 1000000u);
    EXPECT_EQ(store.nodeCount(), 1u + 10 + 100 + 900);
    std::size_t inBlocks = 0;
    for (std::uint32_t node = 0; node < store.nodeCount(); ++node) {
        if (store.isBlock(node)) {
            EXPECT_TRUE(store.childNodes(node).empty());
            inBlocks += store.leavesOf(node).size();
        } else {
            EXPECT_TRUE(store.leavesOf(node).empty());
        }
    }
    EXPECT_EQ(inBlocks, 1000000u);
    // Columns, not objects: well under 200 bytes a leaf.
    EXPECT_LT(store.memoryBytes(), std::size_t(50) * 1000 * 1000);
    const std::vector<std::uint32_t> leaves = store.leavesUnder(0);
    ASSERT_EQ(leaves.size(), 1000000u);
    for (Property property : { Property::Value, Property::Priority, Property::Name }) {
        const std::vector<std::uint32_t> rank = store.ranks(leaves, property);
        ASSERT_EQ(rank.size(), leaves.size());
        std::vector<std::uint32_t> order(leaves.size(), ObjectStore::kNone);
        for (std::uint32_t i = 0; i < rank.size(); ++i) {
            ASSERT_LT(rank[i], order.size());
            ASSERT_EQ(order[rank[i]], ObjectStore::kNone) << "rank given twice";
            order[rank[i]] = i;
        }
        const auto number = [&](std::uint32_t leaf) {
            const std::string text = narrow(store.text(leaf, property));
            return text.empty() ? 0.0 : std::stod(text);
        };
        for (std::size_t r = 1; r < order.size(); ++r) {
            const std::uint32_t a = leaves[order[r - 1]];
            const std::uint32_t b = leaves[order[r]];
            bool inOrder = true;
            bool tie = false;
            if (property == Property::Name) { // natural order of the names: type, then number
                inOrder = store.typeOf(a) < store.typeOf(b)
                    || (store.typeOf(a) == store.typeOf(b) && a < b);
            } else { // numbers; leaves without the property come last
                const bool hasA = ObjectStore::hasProperty(store.typeOf(a), property);
                const bool hasB = ObjectStore::hasProperty(store.typeOf(b), property);
                inOrder = hasA ? (!hasB || number(a) <= number(b)) : !hasB;
                tie = hasA == hasB && (!hasA || number(a) == number(b));
            }
            ASSERT_TRUE(inOrder) << ObjectStore::propertyName(property) << " at rank " << r;
            if (tie) {
                ASSERT_LT(order[r - 1], order[r]) << "ties keep the listing order";
            }
        }
    }
}

TEST(ObjectStore, CreatedLeavesJoinTheirBlockUntilTheStoreIsFull)
{
    ObjectStore store(smallShape(10, 2));
    const std::uint32_t block = store.childNodes(store.childNodes(1)[0])[0];
    const std::size_t before = store.leavesOf(block).size();
    const std::uint32_t first = store.createLeaf(block, Type::Gain);
    ASSERT_EQ(first, 10u);
    EXPECT_EQ(store.leavesOf(block).size(), before + 1);
    EXPECT_EQ(store.leavesOf(block).back(), first);
    EXPECT_EQ(store.leafName(first), "Gain10");
    EXPECT_EQ(store.find("Gain10"), store.leafHandle(first));
    EXPECT_EQ(store.createLeaf(1, Type::Gain), ObjectStore::kNone); // a system
    EXPECT_EQ(store.createLeaf(store.nodeCount(), Type::Gain), ObjectStore::kNone);
    EXPECT_NE(store.createLeaf(block, Type::Sum), ObjectStore::kNone);
    EXPECT_EQ(store.createLeaf(block, Type::Sum), ObjectStore::kNone); // no room left
}
