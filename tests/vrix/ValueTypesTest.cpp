#include "vrix/ErrorHolder.h"
#include "vrix/Font.h"
#include "vrix/VXPoint.h"
#include "vrix/VXRect.h"

#include <gtest/gtest.h>

namespace {

TEST(Font, EqualityCoversEveryFieldAndNullFamilyIsEmpty)
{
    const VRIX::Font base("Helvetica", 12.0, VRIX::Font::StyleItalic, VRIX::Font::WeightBold);
    EXPECT_EQ(base, VRIX::Font("Helvetica", 12.0, 1, 3));
    EXPECT_NE(base, VRIX::Font("Helvetica", 13.0, 1, 3));
    EXPECT_NE(base, VRIX::Font("Helvetica", 12.0, 0, 3));
    EXPECT_NE(base, VRIX::Font("Helvetica", 12.0, 1, 1));
    EXPECT_NE(base, VRIX::Font("Courier", 12.0, 1, 3));

    VRIX::Font noFamily(static_cast<const char*>(nullptr), 10.0);
    EXPECT_STREQ(noFamily.familyName(), "");
    noFamily.setFamily(static_cast<const char*>(nullptr));
    EXPECT_TRUE(noFamily.family().isEmpty());
    EXPECT_EQ(VRIX::Font(), VRIX::Font("", 0.0)); // the "nothing chosen" font
}

TEST(VXRect, InclusiveEdgesConvertBothWays)
{
    const auto r = VRIX::VXRect<int>::fromEdges(10, 20, 109, 49);
    EXPECT_EQ(r, VRIX::VXRect<int>(10, 20, 100, 30));
    EXPECT_EQ(r.right(), 109);
    EXPECT_EQ(r.bottom(), 49);
    EXPECT_FALSE(r.isEmpty());
    EXPECT_TRUE(VRIX::VXRect<int>::fromEdges(5, 5, 4, 10).isEmpty()); // right before left
    EXPECT_TRUE(VRIX::VXRect<double>(0, 0, 0.5, 0).isEmpty());
}

TEST(VXPoint, DefaultIsOriginAndComparesByValue)
{
    EXPECT_EQ(VRIX::VXPoint<>(), VRIX::VXPoint<int>(0, 0));
    EXPECT_NE(VRIX::VXPoint<int>(1, 2), VRIX::VXPoint<int>(2, 1));
}

TEST(ErrorHolder, StartsEmptyAndCarriesACodeAndText)
{
    VRIX::ErrorHolder holder;
    EXPECT_FALSE(holder.hasError());
    EXPECT_EQ(holder.code(), 0);
    EXPECT_TRUE(holder.text().empty());

    holder.setError(7, static_cast<const char*>(nullptr));
    EXPECT_TRUE(holder.hasError()); // a missing text is still an error
    EXPECT_EQ(holder.code(), 7);

    holder.setError(3, "disk full");
    VRIX::ErrorHolder copy = holder;
    EXPECT_EQ(copy, holder);
    EXPECT_EQ(copy.text(), "disk full");
    holder.clear();
    EXPECT_EQ(holder, VRIX::ErrorHolder());
    EXPECT_TRUE(copy.hasError());
}

} // namespace
