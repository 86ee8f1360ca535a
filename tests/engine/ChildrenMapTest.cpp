#include "engine/VXObject.h"
#include "engine/VXObjectManager.h"

#include <gtest/gtest.h>

namespace {

using Ids = boost::unordered_set<std::uint32_t>;

TEST(ChildrenMap, OneParentPerChildTheLatestWinsAndAChildWithoutEntryHasNone)
{
    VXObjectManager manager;
    EXPECT_EQ(manager.getParentUID(42), 0u);
    EXPECT_TRUE(manager.isValidParent(0, 42));
    EXPECT_FALSE(manager.isValidParent(7, 42));
    EXPECT_TRUE(manager.getChildrenUIDs(0).empty());

    manager.addToChildrenMap(10, 1);
    manager.addToChildrenMap(10, 1); // the same pair twice: one entry
    manager.addToChildrenMap(11, 1);
    EXPECT_EQ(manager.getChildrenUIDs(1), (Ids { 10, 11 }));
    EXPECT_TRUE(manager.isValidParent(1, 10));
    EXPECT_FALSE(manager.isValidParent(0, 10));
    manager.addToChildrenMap(10, 2);
    EXPECT_EQ(manager.getParentUID(10), 2u);
    EXPECT_FALSE(manager.isValidParent(1, 10));
    EXPECT_EQ(manager.getChildrenUIDs(1), (Ids { 11 }));
    EXPECT_EQ(manager.getChildrenUIDs(2), (Ids { 10 }));
}

TEST(ChildrenMap, RemovingAChildKeepsTheEntriesThatNameItAsParent)
{
    VXObjectManager manager;
    manager.addToChildrenMap(5, 1);
    manager.addToChildrenMap(6, 5);
    manager.addToChildrenMap(7, 5);
    manager.removeFromChildrenMap(5);
    EXPECT_EQ(manager.getParentUID(5), 0u);
    EXPECT_TRUE(manager.getChildrenUIDs(1).empty());
    EXPECT_EQ(manager.getChildrenUIDs(5), (Ids { 6, 7 }));
    manager.removeFromChildrenMap(99); // unknown: nothing happens
    EXPECT_EQ(manager.getChildrenUIDs(5), (Ids { 6, 7 }));

    // A destroyed object leaves the process-wide map the same way.
    VXObject parent;
    auto child = std::make_unique<VXObject>();
    const std::uint32_t childId = child->getUID();
    VXObject grandChild;
    VXObject::addToChildrenMap(childId, parent.getUID());
    VXObject::addToChildrenMap(grandChild.getUID(), childId);
    child.reset();
    EXPECT_EQ(VXObject::getParentUID(childId), 0u);
    EXPECT_TRUE(VXObject::getChildrenUIDs(parent.getUID()).empty());
    EXPECT_EQ(VXObject::getParentUID(grandChild.getUID()), childId);
    VXObject::removeFromChildrenMap(grandChild.getUID());
}

} // namespace
