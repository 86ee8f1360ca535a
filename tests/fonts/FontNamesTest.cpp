#include "vrix/FontNames.h"

#include <gtest/gtest.h>

namespace {

using VRIX::getClosestScaleableFontName;
namespace Mode = VRIX::FontMapMode;

// Logical names are toolkit-only; the scalable modes (printer, scalable and any unknown number)
// also replace foreign and bitmap faces.
TEST(FontNames, ExactKeepsScreenMapsLogicalAndScalableModesMapForeignNamesIgnoringCase)
{
    const struct {
        const char* name;
        const char* exact;
        const char* screen;
        const char* scalable;
    } rows[] = {
        { "SansSerif", "SansSerif", "sans-serif", "sans-serif" },
        { "dialoginput", "dialoginput", "monospace", "monospace" },
        { "Serif", "Serif", "serif", "serif" },
        { "Helvetica", "Helvetica", "Helvetica", "sans-serif" },
        { "TIMES NEW ROMAN", "TIMES NEW ROMAN", "TIMES NEW ROMAN", "serif" },
        { "courier", "courier", "courier", "monospace" },
        { "Fixed", "Fixed", "Fixed", "monospace" },
        { "Monospaced", "Monospaced", "monospace", "monospace" },
        { "DejaVu Sans", "DejaVu Sans", "DejaVu Sans", "DejaVu Sans" },
        { "Times Roman", "Times Roman", "Times Roman", "Times Roman" }, // not a prefix match
        { "", "", "sans-serif", "sans-serif" },
        { nullptr, "", "sans-serif", "sans-serif" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name ? row.name : "(null)");
        EXPECT_EQ(getClosestScaleableFontName(row.name, Mode::Exact), row.exact);
        EXPECT_EQ(getClosestScaleableFontName(row.name, Mode::Screen), row.screen);
        for (Mode::Type mode : { Mode::Printer, Mode::Scalable, Mode::Type(42), Mode::Type(-1) })
            EXPECT_EQ(getClosestScaleableFontName(row.name, mode), row.scalable) << mode;
    }
}

} // namespace
