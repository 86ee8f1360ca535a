#include "engine/VXObject.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <new>
#include <thread>
#include <utility>
#include <vector>

namespace {

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
    EXPECT_EQ(s_firstIds.first, 1u);
    EXPECT_EQ(s_firstIds.second, 2u);

    VXObject a;
    VXObject b;
    VXObject c;
    EXPECT_EQ(b.getUID(), a.getUID() + 1);
    EXPECT_EQ(c.getUID(), b.getUID() + 1);
}

TEST(ObjectRegistry, ALiveObjectIsFoundByIdAndPointerAndUnknownOnesAreNot)
{
    VXObject object;
    const std::uint32_t id = object.getUID();
    EXPECT_EQ(VXObject::find(id), &object);
    EXPECT_TRUE(VXObject::isObjectValid(&object));
    EXPECT_TRUE(VXObject::isObjectValid(id));
    EXPECT_TRUE(VXObject::isObjectValid(&object, id));

    VXObject other;
    EXPECT_FALSE(VXObject::isObjectValid(&object, other.getUID()));
    EXPECT_FALSE(VXObject::isObjectValid(&other, id));
    // Unknown ids and null pointers are harmless.
    EXPECT_EQ(VXObject::find(0u), nullptr);
    EXPECT_EQ(VXObject::find(0xfffffff0u), nullptr);
    EXPECT_FALSE(VXObject::isObjectValid(static_cast<const VXObject*>(nullptr)));
    EXPECT_FALSE(VXObject::isObjectValid(0u));
    EXPECT_FALSE(VXObject::isObjectValid(nullptr, 1u));
}

TEST(ObjectRegistry, DestroyedObjectIsUnknownAndANewOneAtItsAddressIsNotValidUnderTheOldId)
{
    alignas(VXObject) unsigned char storage[sizeof(VXObject)];
    auto* first = new (storage) VXObject;
    const std::uint32_t oldId = first->getUID();
    first->~VXObject();
    EXPECT_EQ(VXObject::find(oldId), nullptr);
    EXPECT_FALSE(VXObject::isObjectValid(oldId));
    EXPECT_FALSE(VXObject::isObjectValid(first, oldId));

    auto* second = new (storage) VXObject;
    ASSERT_EQ(static_cast<void*>(first), static_cast<void*>(second));
    EXPECT_FALSE(VXObject::isObjectValid(second, oldId));
    EXPECT_TRUE(VXObject::isObjectValid(second, second->getUID()));
    // The pointer alone cannot tell them apart: that is why events carry the id.
    EXPECT_TRUE(VXObject::isObjectValid(first));
    second->~VXObject();
    EXPECT_FALSE(VXObject::isObjectValid(second));
}

TEST(ObjectRegistry, GetAllValidObjectsReplacesTheVectorWithTheLiveObjects)
{
    VXObject a;
    VXObject b;
    auto gone = std::make_unique<VXObject>();
    VXObject* goneAddress = gone.get();
    gone.reset();

    std::vector<VXObject*> objects { goneAddress, nullptr };
    VXObject::getAllValidObjects(objects);
    EXPECT_NE(std::find(objects.begin(), objects.end(), &a), objects.end());
    EXPECT_NE(std::find(objects.begin(), objects.end(), &b), objects.end());
    EXPECT_EQ(std::find(objects.begin(), objects.end(), nullptr), objects.end());
    for (VXObject* object : objects)
        EXPECT_TRUE(VXObject::isObjectValid(object));
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

} // namespace
