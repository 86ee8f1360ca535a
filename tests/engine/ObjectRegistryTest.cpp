// The process-wide object registry: ids, validity checks, tags and the children map.
#include "engine/VXObject.h"
#include "engine/VXObjectManager.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Objects = std::vector<VXObject*>;
std::pair<std::uint32_t, std::uint32_t> s_firstIds;

// Built when the tests start, before any test and before any other object of this binary, so
// these are the first ids the process hands out. Not during static initialisation: the tests
// link the toolkit's objects statically, so its registry may not be constructed yet then.
class FirstObjects : public ::testing::Environment {
public:
    void SetUp() override
    {
        VXObject first;
        VXObject second;
        s_firstIds = { first.getUID(), second.getUID() };
    }
};
::testing::Environment* const s_firstObjects
    = ::testing::AddGlobalTestEnvironment(new FirstObjects);

TEST(ObjectRegistry, IdsStartAtOneAndFollowEachOther)
{
    EXPECT_EQ(s_firstIds, std::make_pair(1u, 2u));
}

TEST(ObjectRegistry, AnObjectIsKnownByIdAndPointerOnlyWhileItLives)
{
    alignas(VXObject) unsigned char storage[sizeof(VXObject)];
    auto* first = new (storage) VXObject;
    const std::uint32_t oldId = first->getUID();
    VXObject other;
    EXPECT_EQ(VXObject::find(oldId), first);
    EXPECT_TRUE(VXObject::isObjectValid(first));
    EXPECT_TRUE(VXObject::isObjectValid(oldId));
    EXPECT_TRUE(VXObject::isObjectValid(first, oldId));
    EXPECT_FALSE(VXObject::isObjectValid(first, other.getUID()));
    EXPECT_FALSE(VXObject::isObjectValid(&other, oldId));
    EXPECT_EQ(VXObject::find(0u), nullptr);
    EXPECT_EQ(VXObject::find(0xfffffff0u), nullptr);
    EXPECT_FALSE(VXObject::isObjectValid(static_cast<const VXObject*>(nullptr)));
    EXPECT_FALSE(VXObject::isObjectValid(0u));
    EXPECT_FALSE(VXObject::isObjectValid(nullptr, 1u));

    first->~VXObject();
    EXPECT_EQ(VXObject::find(oldId), nullptr);
    EXPECT_FALSE(VXObject::isObjectValid(oldId));
    EXPECT_FALSE(VXObject::isObjectValid(first, oldId));
    // The list of live objects replaces whatever the vector held.
    Objects live { first, nullptr };
    VXObject::getAllValidObjects(live);
    EXPECT_NE(std::find(live.begin(), live.end(), &other), live.end());
    for (VXObject* object : live)
        EXPECT_TRUE(VXObject::isObjectValid(object));

    // A new object at the old address: the pointer alone cannot tell them apart, which is why
    // events carry the id.
    auto* second = new (storage) VXObject;
    EXPECT_FALSE(VXObject::isObjectValid(second, oldId));
    EXPECT_TRUE(VXObject::isObjectValid(second, second->getUID()));
    EXPECT_TRUE(VXObject::isObjectValid(first));
    second->~VXObject();
    EXPECT_FALSE(VXObject::isObjectValid(second));
}

// The GUI thread tests event targets while the engine thread builds and destroys proxies.
TEST(ObjectRegistry, LookUpsFromAnotherThreadWhileObjectsComeAndGo)
{
    VXObject anchor;
    std::atomic<bool> stop { false };
    std::atomic<int> wrongAnswers { 0 };
    std::thread reader([&] {
        while (!stop.load()) {
            if (!VXObject::isObjectValid(&anchor, anchor.getUID()))
                ++wrongAnswers;
            VXObject::find(anchor.getUID() + 1);
        }
    });
    std::vector<std::unique_ptr<VXObject>> batch;
    for (int round = 0; round < 50; ++round) {
        for (int i = 0; i < 400; ++i)
            batch.push_back(std::make_unique<VXObject>());
        batch.clear();
    }
    stop = true;
    reader.join();
    EXPECT_EQ(wrongAnswers.load(), 0);
}

Objects tagged(const char* tag)
{
    return VXObject::find(std::string(tag));
}

// Tags are process-wide: each step uses its own.
TEST(TagIndex, TagsListObjectsInTaggingOrderRenamesMoveOneEntryAndTheDeadAreNeverFound)
{
    VXObject first;
    VXObject second;
    auto third = std::make_unique<VXObject>();
    second.setTag("order");
    first.setTag("order");
    third->setTag("order");
    EXPECT_EQ(tagged("order"), (Objects { &second, &first, third.get() }));
    EXPECT_EQ(first.getTag(), "order");
    EXPECT_TRUE(tagged("nobody").empty());

    // A second tag adds an entry and keeps the first; an empty one changes nothing.
    first.setTag("second");
    first.setTag("");
    EXPECT_EQ(first.getTag(), "second");
    EXPECT_EQ(tagged("order"), (Objects { &second, &first, third.get() }));
    EXPECT_EQ(tagged("second"), (Objects { &first }));
    EXPECT_TRUE(tagged("").empty());

    // Removing from the map erases one entry of the object.
    third->setTag("r2");
    third->removeFromVXObjectMap();
    EXPECT_EQ(tagged("order"), (Objects { &second, &first }));
    EXPECT_EQ(tagged("r2"), (Objects { third.get() }));

    // A rename moves only the renamed object's entry; the stored tag is not the index.
    second.setTag("x");
    first.setTag("x");
    first.renameTag("x", "y");
    EXPECT_EQ(tagged("x"), (Objects { &second }));
    EXPECT_EQ(tagged("y"), (Objects { &first }));
    EXPECT_EQ(first.getTag(), "x");
    second.renameTag("x", "x");
    EXPECT_EQ(tagged("x"), (Objects { &second }));
    // Without an entry under the old tag the new one is still added.
    second.renameTag("absent", "y");
    EXPECT_EQ(tagged("y"), (Objects { &first, &second }));

    third->setTag("gone-too");
    third->renameTag("nothing", "renamed-only");
    third.reset();
    for (const char* tag : { "r2", "gone-too", "renamed-only" })
        EXPECT_TRUE(tagged(tag).empty()) << tag;
}

using Ids = boost::unordered_set<std::uint32_t>;

TEST(ChildrenMap, OneParentPerChildTheLatestWinsAndRemovingAChildKeepsItsOwnChildren)
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

    manager.addToChildrenMap(6, 10);
    manager.addToChildrenMap(7, 10);
    manager.removeFromChildrenMap(10);
    manager.removeFromChildrenMap(99); // unknown: nothing happens
    EXPECT_EQ(manager.getParentUID(10), 0u);
    EXPECT_TRUE(manager.getChildrenUIDs(2).empty());
    EXPECT_EQ(manager.getChildrenUIDs(10), (Ids { 6, 7 }));

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
