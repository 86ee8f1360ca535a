#include "engine/VXObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Objects = std::vector<VXObject*>;

// Tags are process-wide: each test uses its own.
TEST(TagIndex, EqualTagsComeBackInTaggingOrder)
{
    VXObject first;
    VXObject second;
    VXObject third;
    second.setTag("order");
    first.setTag("order");
    third.setTag("order");
    EXPECT_EQ(VXObject::find(std::string("order")), (Objects { &second, &first, &third }));
    EXPECT_EQ(first.getTag(), "order");
    EXPECT_TRUE(VXObject::find(std::string("nobody")).empty());
}

TEST(TagIndex, EmptyTagChangesNothing)
{
    VXObject object;
    object.setTag("kept");
    object.setTag("");
    EXPECT_EQ(object.getTag(), "kept");
    EXPECT_EQ(VXObject::find(std::string("kept")), (Objects { &object }));
    EXPECT_TRUE(VXObject::find(std::string("")).empty());
}

TEST(TagIndex, SecondTagAddsAnEntryAndKeepsTheFirst)
{
    VXObject object;
    object.setTag("one");
    object.setTag("two");
    EXPECT_EQ(object.getTag(), "two");
    EXPECT_EQ(VXObject::find(std::string("one")), (Objects { &object }));
    EXPECT_EQ(VXObject::find(std::string("two")), (Objects { &object }));
}

TEST(TagIndex, RenameTagMovesOnlyItsOwnEntry)
{
    VXObject a;
    VXObject b;
    a.setTag("x");
    b.setTag("x");
    b.renameTag("x", "y");
    EXPECT_EQ(VXObject::find(std::string("x")), (Objects { &a }));
    EXPECT_EQ(VXObject::find(std::string("y")), (Objects { &b }));
    EXPECT_EQ(b.getTag(), "x"); // the stored tag is not the index

    a.renameTag("x", "x");
    EXPECT_EQ(VXObject::find(std::string("x")), (Objects { &a }));

    // Without an entry under the old tag the new one is still added.
    a.renameTag("absent", "y");
    EXPECT_EQ(VXObject::find(std::string("y")), (Objects { &b, &a }));
    EXPECT_EQ(VXObject::find(std::string("x")), (Objects { &a }));
}

TEST(TagIndex, RemoveFromVXObjectMapErasesOneEntry)
{
    VXObject object;
    object.setTag("r1");
    object.setTag("r2");
    object.removeFromVXObjectMap();
    EXPECT_TRUE(VXObject::find(std::string("r1")).empty());
    EXPECT_EQ(VXObject::find(std::string("r2")), (Objects { &object }));
}

TEST(TagIndex, DestroyedObjectIsNeverFoundByTag)
{
    VXObject stays;
    stays.setTag("gone");
    auto object = std::make_unique<VXObject>();
    object->setTag("gone");
    object->setTag("gone-too");
    object->renameTag("nothing", "renamed-only");
    object.reset();
    EXPECT_EQ(VXObject::find(std::string("gone")), (Objects { &stays }));
    EXPECT_TRUE(VXObject::find(std::string("gone-too")).empty());
    EXPECT_TRUE(VXObject::find(std::string("renamed-only")).empty());
}

} // namespace
