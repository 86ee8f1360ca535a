#include "vrix/FontNames.h"

#include <gtest/gtest.h>

namespace {

using VRIX::getClosestScaleableFontName;
namespace Mode = VRIX::FontMapMode;

TEST(FontNames, ExactModeKeepsEveryName)
{
    EXPECT_EQ(getClosestScaleableFontName("SansSerif", Mode::Exact), "SansSerif");
    EXPECT_EQ(getClosestScaleableFontName("Helvetica", Mode::Exact), "Helvetica");
    EXPECT_EQ(getClosestScaleableFontName(nullptr, Mode::Exact), "");
}

TEST(FontNames, ScreenModeReplacesOnlyLogicalNames)
{
    EXPECT_EQ(getClosestScaleableFontName("SansSerif", Mode::Screen), "sans-serif");
    EXPECT_EQ(getClosestScaleableFontName("dialoginput", Mode::Screen), "monospace");
    EXPECT_EQ(getClosestScaleableFontName("Serif", Mode::Screen), "serif");
    EXPECT_EQ(getClosestScaleableFontName("Fixed", Mode::Screen), "Fixed");
    EXPECT_EQ(getClosestScaleableFontName("Helvetica", Mode::Screen), "Helvetica");
}

TEST(FontNames, ScalableModesReplaceForeignAndBitmapNamesIgnoringCase)
{
    for (Mode::Type mode : { Mode::Printer, Mode::Scalable, Mode::Type(42), Mode::Type(-1) }) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(getClosestScaleableFontName("Helvetica", mode), "sans-serif");
        EXPECT_EQ(getClosestScaleableFontName("TIMES NEW ROMAN", mode), "serif");
        EXPECT_EQ(getClosestScaleableFontName("courier", mode), "monospace");
        EXPECT_EQ(getClosestScaleableFontName("Fixed", mode), "monospace");
        EXPECT_EQ(getClosestScaleableFontName("Monospaced", mode), "monospace");
        EXPECT_EQ(getClosestScaleableFontName("DejaVu Sans", mode), "DejaVu Sans");
        EXPECT_EQ(
            getClosestScaleableFontName("Times Roman", mode), "Times Roman"); // not a prefix match
        EXPECT_EQ(getClosestScaleableFontName("", mode), "sans-serif");
        EXPECT_EQ(getClosestScaleableFontName(nullptr, mode), "sans-serif");
    }
}

} // namespace
