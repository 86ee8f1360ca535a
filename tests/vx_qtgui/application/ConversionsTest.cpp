// Window-flag and font conversions between the engine side and Qt.
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/QStringPrinter.h"
#include "vx_qtgui/GuiConversions.h"

#include <gtest/gtest.h>

using vxtest::runOnGuiThread;

namespace {

unsigned toQt(unsigned vx)
{
    return static_cast<unsigned>(vrixFlagToQt(vx));
}

TEST(WindowFlags, EachEngineHintMapsToItsQtHintAndBackByOverlap)
{
    const struct {
        unsigned vx;
        unsigned qt;
    } rows[] = {
        { 0, 0 }, { 0x0002 | 0x0040 | 0x0080, 0x3003 }, // a dialog with title and system menu
        { 0x0010, 0 }, { 0x0020, 0x100 }, { 0x0100, 0x4000 }, { 0x0200, 0x8000 }, { 0x0400, 0xb },
        { 0x0800, 0x40000 }, { 0x1000, 0x800 }, { 0x2000, 0x10000 }, { 0x4000, 0x400 },
        { 0x8000, 0x800 }, { 0x0004 | 0x0008, 0x19 },
        { 0xfff0, 0x5fdff }, // all hints add the low byte
    };
    for (const auto& row : rows)
        EXPECT_EQ(toQt(row.vx), row.qt) << std::hex << "0x" << row.vx;
    // One hint short of all: no extra bits.
    EXPECT_EQ(toQt(0xffe0) & 0xffu, 0xbu);

    // Back to the engine, types are tested by overlap: any window type shares bit 0x1 with
    // every type mask.
    EXPECT_EQ(QtFlagToVrix(Qt::Window), 0x1u | 0x2 | 0x4 | 0x8 | 0x400);
    EXPECT_EQ(QtFlagToVrix(Qt::Dialog), 0x1u | 0x2 | 0x4 | 0x8 | 0x400);
    EXPECT_EQ(QtFlagToVrix(Qt::WindowFlags()), 0u);
    EXPECT_EQ(QtFlagToVrix(Qt::FramelessWindowHint), 0x1000u | 0x8000);
    EXPECT_EQ(QtFlagToVrix(Qt::WindowTitleHint | Qt::WindowSystemMenuHint), 0x40u | 0x80);
    EXPECT_EQ(QtFlagToVrix(Qt::WindowStaysOnTopHint | Qt::WindowContextHelpButtonHint
                  | Qt::X11BypassWindowManagerHint),
        0x800u | 0x2000 | 0x4000);
    EXPECT_EQ(QtFlagToVrix(Qt::MSWindowsFixedSizeDialogHint | Qt::WindowMinimizeButtonHint
                  | Qt::WindowMaximizeButtonHint),
        0x20u | 0x100 | 0x200);
}

TEST(FontConversion, EngineFontToQFontAndBack)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    ASSERT_TRUE(runOnGuiThread([] {
        const QFont plain = VRIX::toQFont(VRIX::Font("Serif", 12.0, 0, 2), 72.0);
        EXPECT_EQ(plain.family(), QStringLiteral("Serif"));
        EXPECT_DOUBLE_EQ(plain.pointSizeF(), 12.0);
        EXPECT_EQ(plain.weight(), QFont::Normal);
        EXPECT_EQ(plain.style(), QFont::StyleNormal);

        const QFont bold = VRIX::toQFont(VRIX::Font("Serif", 10.0, 1, 3), 144.0);
        EXPECT_DOUBLE_EQ(bold.pointSizeF(), 5.0);
        EXPECT_EQ(bold.weight(), QFont::Bold);
        EXPECT_EQ(bold.style(), QFont::StyleItalic);
        EXPECT_EQ(VRIX::toQFont(VRIX::Font("Serif", 10.0, 2), 72.0).style(), QFont::StyleOblique);
        EXPECT_EQ(VRIX::toQFont(VRIX::Font("Serif", 10.0, 9), 72.0).style(), QFont::StyleNormal);
        EXPECT_TRUE(VRIX::toQFont(VRIX::Font(nullptr, 10.0), 72.0).family().isEmpty());

        QFont q(QStringLiteral("Sans"));
        q.setPointSizeF(9.0);
        q.setWeight(QFont::Bold);
        q.setStyle(QFont::StyleOblique);
        const VRIX::Font f = VRIX::toFont(q, 144.0);
        EXPECT_STREQ(f.familyName(), "Sans");
        EXPECT_DOUBLE_EQ(f.size(), 18.0);
        EXPECT_EQ(f.weight(), VRIX::Font::WeightBold);
        EXPECT_EQ(f.style(), VRIX::Font::StyleOblique);

        q.setWeight(QFont::DemiBold);
        q.setStyle(QFont::StyleItalic);
        const VRIX::Font g = VRIX::toFont(q, 72.0);
        EXPECT_EQ(g.weight(), VRIX::Font::WeightNormal);
        EXPECT_EQ(g.style(), VRIX::Font::StyleItalic);

        const VRIX::Font original("Sans", 14.0, 1, 3);
        EXPECT_EQ(VRIX::toFont(VRIX::toQFont(original, 72.0), 72.0), original);
    }));
}

} // namespace
