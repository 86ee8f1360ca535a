#include "engine/VXObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Objects = std::vector<VXObject*>;

Objects tagged(const char* tag)
{
    return VXObject::find(std::string(tag));
}

// Tags are process-wide: each test uses its own.
TEST(TagIndex, EqualTagsComeBackInTaggingOrderAndEachNewTagAddsAnEntry)
{
    VXObject first;
    VXObject second;
    VXObject third;
    second.setTag("order");
    first.setTag("order");
    third.setTag("order");
    EXPECT_EQ(tagged("order"), (Objects { &second, &first, &third }));
    EXPECT_EQ(first.getTag(), "order");
    EXPECT_TRUE(tagged("nobody").empty());

    // A second tag adds an entry and keeps the first; an empty one changes nothing.
    first.setTag("second");
    first.setTag("");
    EXPECT_EQ(first.getTag(), "second");
    EXPECT_EQ(tagged("order"), (Objects { &second, &first, &third }));
    EXPECT_EQ(tagged("second"), (Objects { &first }));
    EXPECT_TRUE(tagged("").empty());

    // Removing from the map erases one entry of the object.
    third.setTag("r2");
    third.removeFromVXObjectMap();
    EXPECT_EQ(tagged("order"), (Objects { &second, &first }));
    EXPECT_EQ(tagged("r2"), (Objects { &third }));
}

TEST(TagIndex, RenameTagMovesOnlyItsOwnEntry)
{
    VXObject a;
    VXObject b;
    a.setTag("x");
    b.setTag("x");
    b.renameTag("x", "y");
    EXPECT_EQ(tagged("x"), (Objects { &a }));
    EXPECT_EQ(tagged("y"), (Objects { &b }));
    EXPECT_EQ(b.getTag(), "x"); // the stored tag is not the index

    a.renameTag("x", "x");
    EXPECT_EQ(tagged("x"), (Objects { &a }));

    // Without an entry under the old tag the new one is still added.
    a.renameTag("absent", "y");
    EXPECT_EQ(tagged("y"), (Objects { &b, &a }));
    EXPECT_EQ(tagged("x"), (Objects { &a }));
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
    EXPECT_EQ(tagged("gone"), (Objects { &stays }));
    EXPECT_TRUE(tagged("gone-too").empty());
    EXPECT_TRUE(tagged("renamed-only").empty());
}

} // namespace
