#include "fonts/FontInfo.h"
#include "fonts/FontMetricsImpl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <utility>

namespace {

using ZG::FontInfo;
using Weight = VRIX::FontWeight::Type;
using Angle = VRIX::FontAngle::Type;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(FontInfo, SettingAnUnchangedValueKeepsMetricsAndANewValueDropsThem)
{
    FontInfo info("DejaVu Sans", 10.0);
    const ZG::FontMetricsImpl* metrics = info.createMetrics();
    ASSERT_NE(metrics, nullptr);
    EXPECT_EQ(info.createMetrics(), metrics); // made once

    info.setFontSize(10.0);
    info.setFontName("DejaVu Sans");
    info.setFontName(VRIX::StringID("DejaVu Sans"));
    info.setFontWeight(VRIX::FontWeight::Normal);
    info.setFontAngle(VRIX::FontAngle::Upright);
    EXPECT_EQ(info.getMetrics(), metrics);

    info.setFontSize(11.0);
    EXPECT_EQ(info.getMetrics(), nullptr);
    EXPECT_EQ(info.createMetrics()->qFont().pixelSize(), 11); // rebuilt for the new size

    info.setFontName("DejaVu Serif");
    EXPECT_EQ(info.getMetrics(), nullptr);
    info.createMetrics();
    info.setFontWeight(VRIX::FontWeight::Bold);
    EXPECT_EQ(info.getMetrics(), nullptr);
    info.createMetrics();
    info.setFontAngle(VRIX::FontAngle::Italic);
    EXPECT_EQ(info.getMetrics(), nullptr);
    EXPECT_TRUE(info.createMetrics()->qFont().italic());

    // NaN never equals itself: setting it again counts as a change.
    info.setFontSize(kNaN);
    info.createMetrics();
    info.setFontSize(kNaN);
    EXPECT_EQ(info.getMetrics(), nullptr);
}

TEST(FontInfo, CopiesGetFreshMetricsOnlyWhenTheSourceHadThemAndMovesTakeThem)
{
    const FontInfo bare("DejaVu Sans", 12.0, VRIX::FontWeight::Bold, VRIX::FontAngle::Italic);
    const FontInfo bareCopy(bare);
    EXPECT_EQ(bareCopy, bare);
    EXPECT_EQ(bareCopy.getMetrics(), nullptr);

    FontInfo measured("DejaVu Sans", 12.0);
    measured.createMetrics();
    const FontInfo copy(measured);
    ASSERT_NE(copy.getMetrics(), nullptr);
    EXPECT_NE(copy.getMetrics(), measured.getMetrics());
    EXPECT_EQ(copy.getMetrics()->owner(), &copy);

    FontInfo target("DejaVu Serif", 30.0);
    target.createMetrics();
    target = bare; // metric-less source: the target's own metrics go
    EXPECT_EQ(target, bare);
    EXPECT_EQ(target.getMetrics(), nullptr);
    target = measured;
    ASSERT_NE(target.getMetrics(), nullptr);
    EXPECT_NE(target.getMetrics(), measured.getMetrics());
    EXPECT_EQ(target.getMetrics()->owner(), &target);
    EXPECT_EQ(target.getMetrics()->qFont().pixelSize(), 12);

    const FontInfo& self = target;
    const ZG::FontMetricsImpl* before = target.getMetrics();
    target = self;
    EXPECT_EQ(target.getMetrics(), before);

    // Moves hand the metrics object itself to its new owner.
    FontInfo source("DejaVu Sans", 14.0, VRIX::FontWeight::Bold);
    const ZG::FontMetricsImpl* metrics = source.createMetrics();
    FontInfo moved(std::move(source));
    EXPECT_EQ(moved.getMetrics(), metrics);
    EXPECT_EQ(moved.getMetrics()->owner(), &moved);
    EXPECT_EQ(moved, FontInfo("DejaVu Sans", 14.0, VRIX::FontWeight::Bold));

    target = FontInfo("DejaVu Serif", 8.0);
    target.createMetrics();
    target = std::move(moved);
    EXPECT_EQ(target.getMetrics(), metrics);
    EXPECT_EQ(target.getMetrics()->owner(), &target);
    EXPECT_EQ(target.getFontSize(), 14.0);
}

struct OrderCase {
    FontInfo lower;
    FontInfo higher;
};

TEST(FontInfo, OrdersByNameBytesThenSizeWeightAndAngle)
{
    const OrderCase cases[] = {
        { FontInfo("", 99.0), FontInfo("a", 1.0) },
        { FontInfo(static_cast<const char*>(nullptr), 99.0), FontInfo("a", 1.0) },
        { FontInfo("Zeta", 99.0), FontInfo("alpha", 1.0) }, // bytes, not letters
        { FontInfo("abc", 99.0), FontInfo("abcd", 1.0) }, // a prefix first
        { FontInfo("z", 99.0), FontInfo("\xC3\xA9", 1.0) }, // bytes are unsigned
        { FontInfo("a", -1.0), FontInfo("a", 0.5) },
        { FontInfo("a", 1e300), FontInfo("a", kNaN) }, // NaN after every number
        { FontInfo("a", 2.0, VRIX::FontWeight::Bold), FontInfo("a", 3.0, Weight(0)) },
        { FontInfo("a", 2.0, Weight(0)), FontInfo("a", 2.0, Weight(1)) },
        { FontInfo("a", 2.0, Weight(1), Angle(1)), FontInfo("a", 2.0, Weight(2), Angle(0)) },
        { FontInfo("a", 2.0, Weight(1), Angle(0)), FontInfo("a", 2.0, Weight(1), Angle(1)) },
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.lower.getFontName().str() + " " + std::to_string(c.lower.getFontSize())
            + " / " + c.higher.getFontName().str() + " " + std::to_string(c.higher.getFontSize()));
        EXPECT_TRUE(c.lower < c.higher);
        EXPECT_FALSE(c.higher < c.lower);
        EXPECT_NE(c.lower, c.higher);
    }
}

TEST(FontInfo, DefaultIsEmptyAndEqualityComparesAllFieldsButNaNSizesAreNeverEqual)
{
    const FontInfo info;
    EXPECT_TRUE(info.getFontName().isEmpty());
    EXPECT_EQ(info.getFontSize(), 0.0);
    EXPECT_EQ(info.getFontWeight(), VRIX::FontWeight::Normal);
    EXPECT_EQ(info.getFontAngle(), VRIX::FontAngle::Upright);
    EXPECT_EQ(info.getMetrics(), nullptr);

    const FontInfo nullName(static_cast<const char*>(nullptr), 9.0);
    EXPECT_STREQ(nullName.getFontName().c_str(), "");
    EXPECT_EQ(nullName, FontInfo("", 9.0));

    const FontInfo base("DejaVu Sans", 10.0, Weight(1), Angle(1));
    // Rows that differ in one field each are unequal in the ordering test.
    EXPECT_EQ(base, FontInfo(VRIX::StringID("DejaVu Sans"), 10.0, Weight(1), Angle(1)));
    EXPECT_EQ(FontInfo("a", 0.0), FontInfo("a", -0.0));

    const FontInfo nanA("a", kNaN);
    const FontInfo nanB("a", kNaN);
    EXPECT_FALSE(nanA == nanB);
    EXPECT_TRUE(nanA != nanB);
    EXPECT_FALSE(nanA == nanA);

    // Yet the order stays strict and weak, so ordered containers keep working.
    EXPECT_FALSE(nanA < nanB);
    EXPECT_FALSE(nanB < nanA);
    std::set<FontInfo> fonts { FontInfo("a", 1.0), nanA, FontInfo("a", 3.0), nanB,
        FontInfo("a", 2.0) };
    EXPECT_EQ(fonts.size(), 4u);
    EXPECT_TRUE(std::isnan(fonts.rbegin()->getFontSize()));
    EXPECT_EQ(fonts.count(FontInfo("a", kNaN)), 1u);
    EXPECT_EQ(fonts.count(FontInfo("a", 2.0)), 1u);
}

} // namespace
