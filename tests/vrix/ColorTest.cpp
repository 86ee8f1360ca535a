#include "vrix/Color.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using VRIX::Color;

TEST(Color, ParsesThreeOrFourIntegersWithOptionalBlanksAndPrintsFourParts)
{
    const struct {
        const char* text;
        const char* printed;
    } rows[] = { { "255,0,128", "255,0,128,255" }, { " 10 ,20,\t30 , 0", "10,20,30,0" },
        { "007,0,0", "7,0,0,255" }, { "1,2,3,4", "1,2,3,4" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Color c;
        ASSERT_TRUE(Color::fromString(row.text, c));
        EXPECT_EQ(c.toString(), row.printed);
    }
    EXPECT_EQ(Color(1, 1, 1, 1).toString(), "255,255,255,255");
    EXPECT_EQ(Color().toString(), "0,0,0,255");
    EXPECT_DOUBLE_EQ(Color::fromBytes(255, 0, 128, 255).red(), 1.0);
}

TEST(Color, BadTextIsRejectedAndLeavesTheTargetAlone)
{
    const Color before(0.25, 0.5, 0.75, 0.5);
    const char* bad[] = {
        nullptr,
        "",
        "   ",
        "1,2",
        "1,2,3,4,5",
        "1,,3",
        "1,2,3,",
        ",1,2,3",
        "a,b,c",
        "12x,0,0",
        "256,0,0",
        "-1,0,0",
        "+1,0,0",
        "1.5,2,3",
        "1 2,3,4",
        "99999999999,0,0",
    };
    for (const char* text : bad) {
        Color c = before;
        EXPECT_FALSE(Color::fromString(text, c)) << (text ? text : "(null)");
        EXPECT_EQ(c, before) << (text ? text : "(null)");
    }
}

TEST(Color, PackedWordHasRedInTheTopByte)
{
    const Color c = Color::fromBytes(0x12, 0x34, 0x56, 0x78);
    EXPECT_EQ(c.rgba(), 0x12345678u);
    EXPECT_EQ(Color::fromRgba(0x12345678u), c);
    EXPECT_EQ(Color::fromRgba(0xff000080u).toString(), "255,0,0,128");
}

TEST(Color, ComponentsOutsideTheRangeAreClampedWhenConvertedToBytes)
{
    EXPECT_EQ(Color::toByte(-0.5), 0);
    EXPECT_EQ(Color::toByte(1.5), 255);
    EXPECT_EQ(Color::toByte(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Color::toByte(0.5), 128); // 127.5 rounds up
    EXPECT_EQ(Color::fromBytes(300, -4, 0, 999).toString(), "255,0,0,255");
}

} // namespace
