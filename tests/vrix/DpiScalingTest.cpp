#include "vrix/DpiScaling.h"
#include "vrix/DpiScaled.h"
#include "vrix/VXPoint.h"
#include "vrix/VXRect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

using VRIX::fromDpiScaled;
using VRIX::toDpiScaled;

// The factor is process-wide: every test starts at 1.0 and puts it back.
class DpiScaling : public ::testing::Test {
protected:
    void SetUp() override { VRIX::setDpiScale(1.0); }
    void TearDown() override { VRIX::setDpiScale(1.0); }
};

// Shaped like the GUI side's own size type: width and height only.
struct Extent {
    Extent(int w, int h)
        : w(w)
        , h(h)
    {
    }
    int width() const { return w; }
    int height() const { return h; }
    int w;
    int h;
};

TEST_F(DpiScaling, DefaultsToOneAndIgnoresFactorsThatAreNotPositiveAndFinite)
{
    EXPECT_EQ(VRIX::dpiScale(), 1.0);
    VRIX::setDpiScale(2.0);
    for (double bad : { 0.0, -1.5, std::nan(""), std::numeric_limits<double>::infinity() }) {
        VRIX::setDpiScale(bad);
        EXPECT_EQ(VRIX::dpiScale(), 2.0) << bad;
    }
}

TEST_F(DpiScaling, IntegersRoundHalvesAwayFromZeroAndClampInsteadOfOverflowing)
{
    struct Row {
        double scale;
        int value, up, down; // toDpiScaled(value), fromDpiScaled(value)
    };
    const Row rows[] = { { 1.5, 3, 5, 2 }, { 1.5, -3, -5, -2 }, { 1.5, 1, 2, 1 },
        { 1.5, -1, -2, -1 }, { 1.5, 0, 0, 0 }, { 2.0, 5, 10, 3 }, { 2.0, -5, -10, -3 },
        { 2.0, 7, 14, 4 }, { 2.0, -7, -14, -4 }, { 2.0, INT_MAX, INT_MAX, 1073741824 },
        { 2.0, INT_MIN, INT_MIN, -1073741824 }, { 0.5, INT_MAX, 1073741824, INT_MAX } };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "scale " << row.scale << ", value " << row.value);
        VRIX::setDpiScale(row.scale);
        EXPECT_EQ(toDpiScaled(row.value), row.up);
        EXPECT_EQ(fromDpiScaled(row.value), row.down);
    }
    // Doubles are not rounded.
    VRIX::setDpiScale(1.5);
    EXPECT_DOUBLE_EQ(toDpiScaled(3.0), 4.5);
    EXPECT_DOUBLE_EQ(fromDpiScaled(4.5), 3.0);
    EXPECT_DOUBLE_EQ(toDpiScaled(-0.25), -0.375);
}

TEST_F(DpiScaling, RectanglesPointsAndSizesScaleEachPartOnItsOwn)
{
    VRIX::setDpiScale(1.5);
    EXPECT_EQ(toDpiScaled(VRIX::VXRect<int>(10, 20, 100, 30)), VRIX::VXRect<int>(15, 30, 150, 45));
    EXPECT_EQ(toDpiScaled(VRIX::VXRect<int>(-1, 1, 3, 5)), VRIX::VXRect<int>(-2, 2, 5, 8));
    EXPECT_EQ(
        fromDpiScaled(VRIX::VXRect<int>(15, 30, 150, 45)), VRIX::VXRect<int>(10, 20, 100, 30));
    EXPECT_EQ(toDpiScaled(VRIX::VXRect<double>(1, 2, 3, 4)), VRIX::VXRect<double>(1.5, 3, 4.5, 6));
    EXPECT_EQ(toDpiScaled(VRIX::VXPoint<int>(-3, 3)), VRIX::VXPoint<int>(-5, 5));
    EXPECT_EQ(fromDpiScaled(VRIX::VXPoint<double>(3, -3)), VRIX::VXPoint<double>(2, -2));
    const Extent e = toDpiScaled(Extent(3, 4));
    EXPECT_EQ(e.w, 5);
    EXPECT_EQ(e.h, 6);
}

TEST_F(DpiScaling, ScaledConstantsReadBaseTimesTheCurrentFactorPlusAHalfTruncated)
{
    const VRIX::DpiScaled<int> width(900);
    const VRIX::DpiScaled<int> icon(16);
    const VRIX::DpiScaled<int> negative(-3);
    const VRIX::DpiScaled<double> exact(2.0);
    EXPECT_EQ(width.value(), 900);
    VRIX::setDpiScale(1.5);
    EXPECT_EQ(width.value(), 1350);
    EXPECT_EQ(int(icon), 24);
    EXPECT_EQ(negative.value(), -4); // -4.5 + 0.5 truncates toward zero
    EXPECT_DOUBLE_EQ(exact.value(), 3.0);
    VRIX::setDpiScale(1.25);
    EXPECT_EQ(VRIX::DpiScaled<int>(10).value(), 13); // 12.5 + 0.5
}

} // namespace
