#include "fonts/FontInfo.h"
#include "fonts/FontMetricsImpl.h"
#include "tests/fonts/FontTestSupport.h"
#include "tests/support/QStringPrinter.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <limits>

namespace {

using fonttest::qtFont;
using ZG::FontInfo;

int qtWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.horizontalAdvance(text);
}

// Qt's metrics at `scale` times the size, with height and line spacing less the descent.
void expectQtMetrics(const FontInfo& info, const QFontMetrics& qt, double scale)
{
    ASSERT_GT(qt.descent(), 0);
    EXPECT_EQ(info.getAscent(), qt.ascent() / scale);
    EXPECT_EQ(info.getDescent(), qt.descent() / scale);
    EXPECT_EQ(info.getHeight(), (qt.height() - qt.descent()) / scale);
    EXPECT_EQ(info.getLineSpacing(), (qt.lineSpacing() - qt.descent()) / scale);
    EXPECT_EQ(info.getWidth("Hinted text"), qtWidth(qt, "Hinted text") / scale);
    EXPECT_EQ(info.getWidth(u"Hinted text"), qtWidth(qt, "Hinted text") / scale);
    EXPECT_EQ(info.getWidth(std::u16string(u"\u03A9 = 2\u03C0")),
        qtWidth(qt, QString::fromUtf16(u"\u03A9 = 2\u03C0")) / scale);
    EXPECT_EQ(info.getWidth(static_cast<const char*>(nullptr)), 0.0);
    EXPECT_EQ(info.getWidth(static_cast<const char16_t*>(nullptr)), 0.0);
    EXPECT_EQ(info.getWidth(""), 0.0);
}

TEST(FontMetrics, AreQtsAndMultiplierTwoDoublesThePixelSizeAndRemeasuresLiveFontsAtHalfSize)
{
    fonttest::AutoResetMultiplier reset;
    const FontInfo info("DejaVu Serif", 10.0, VRIX::FontWeight::Bold);
    {
        SCOPED_TRACE("multiplier 1");
        expectQtMetrics(info, QFontMetrics(qtFont("DejaVu Serif", 10, QFont::Bold)), 1.0);
    }
    EXPECT_EQ(QFontInfo(info.createMetrics()->qFont()).family(), QString("DejaVu Serif"));

    // The cached measurement and the live metrics object are both redone.
    FontInfo::setDefaultHintingMultiplier(2.0);
    EXPECT_EQ(info.createMetrics()->qFont().pixelSize(), 20);
    {
        SCOPED_TRACE("multiplier 2");
        expectQtMetrics(info, QFontMetrics(qtFont("DejaVu Serif", 20, QFont::Bold)), 2.0);
    }

    // Nonsense leaves the multiplier alone.
    for (double bad : { 0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
             std::numeric_limits<double>::infinity() })
        FontInfo::setDefaultHintingMultiplier(bad);
    EXPECT_EQ(FontInfo::getDefaultHintingMultiplier(), 2.0);
}

TEST(FontMetrics, PixelSizeIsTheSizeInSinglePrecisionTimesTheMultiplierTruncated)
{
    fonttest::AutoResetMultiplier reset;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double size;
        double multiplier;
        int pixels;
    } cases[] = {
        { 10.9, 1.0, 10 },
        { 10.999999999, 1.0, 11 }, // rounds up to 11 in single precision
        { 7.0, 1.5, 10 },
        { 0.0, 1.0, 1 }, // Qt would ignore 0 and keep 12 points
        { -4.0, 1.0, 1 },
        { nan, 1.0, 1 },
        { 1e30, 1.0, 32767 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.size) + " x " + std::to_string(c.multiplier));
        FontInfo::setDefaultHintingMultiplier(c.multiplier);
        const FontInfo info("DejaVu Sans", c.size);
        EXPECT_EQ(info.createMetrics()->qFont().pixelSize(), c.pixels);
    }
}

TEST(FontMetrics, WeightAndAngleChooseQtWeightAndSlant)
{
    const struct {
        VRIX::FontWeight::Type weight;
        VRIX::FontAngle::Type angle;
        int qtWeight;
        bool italic;
    } cases[] = {
        { VRIX::FontWeight::Normal, VRIX::FontAngle::Upright, QFont::Normal, false },
        { VRIX::FontWeight::Bold, VRIX::FontAngle::Italic, QFont::Bold, true },
        { VRIX::FontWeight::Light, VRIX::FontAngle::Type(2), 0, false },
        { VRIX::FontWeight::Type(-7), VRIX::FontAngle::Type(-1), 0, false },
    };
    for (const auto& c : cases) {
        const FontInfo info("DejaVu Sans", 12.0, c.weight, c.angle);
        const QFont font = info.createMetrics()->qFont();
        EXPECT_EQ(font.weight(), c.qtWeight) << c.weight;
        EXPECT_EQ(font.italic(), c.italic) << c.angle;
    }
}

TEST(FontMetrics, SymbolByteAIsMeasuredAsAlphaInASerifFace)
{
    const FontInfo symbol("Symbol", 40.0);
    const QFontMetrics serif(qtFont("serif", 40));
    const QString alpha(QChar(0x03B1));
    ASSERT_NE(qtWidth(serif, alpha), qtWidth(serif, "a")); // else the check below proves nothing
    EXPECT_EQ(QFontInfo(symbol.createMetrics()->qFont()).family(),
        QFontInfo(qtFont("serif", 40)).family());

    EXPECT_EQ(symbol.getWidth("a"), qtWidth(serif, alpha));
    EXPECT_EQ(symbol.getWidth("ABab"), qtWidth(serif, QString::fromUtf16(u"AB\u03B1\u03B2")));
    // UTF-16 text and extents are never symbol-decoded.
    EXPECT_EQ(symbol.getWidth(u"a"), qtWidth(serif, "a"));
    EXPECT_EQ(symbol.getExtents("a").width, qtWidth(serif, "a"));
    // Only the exact name is the Symbol font.
    EXPECT_EQ(
        FontInfo("symbol", 40.0).getWidth("a"), qtWidth(QFontMetrics(qtFont("symbol", 40)), "a"));
}

TEST(FontMetrics, ExtentsAreAsWideAsTheWidestLineAndGrowByALineSpacingPerLineFeed)
{
    const FontInfo info("DejaVu Sans", 16.0);
    const QFontMetrics qt(qtFont("DejaVu Sans", 16));
    ASSERT_GT(qtWidth(qt, "a much longer line"), qtWidth(qt, "short"));

    const double oneLine = info.getHeight() - info.getDescent();
    const ZG::TextExtents single = info.getExtents("short");
    EXPECT_EQ(single.width, qtWidth(qt, "short"));
    EXPECT_EQ(single.height, oneLine);

    const ZG::TextExtents two = info.getExtents("short\na much longer line");
    EXPECT_EQ(two.width, qtWidth(qt, "a much longer line"));
    EXPECT_EQ(two.height, info.getLineSpacing() + oneLine);
    EXPECT_GT(two.height, single.height);

    const ZG::TextExtents twoUtf16 = info.getExtents(u"short\na much longer line");
    EXPECT_EQ(twoUtf16.width, two.width);
    EXPECT_EQ(twoUtf16.height, two.height);

    // Empty lines count; a trailing line feed starts a line.
    const ZG::TextExtents sparse = info.getExtents(std::u16string(u"x\n\nxx\n"));
    EXPECT_EQ(sparse.width, qtWidth(qt, "xx"));
    EXPECT_EQ(sparse.height, 3 * info.getLineSpacing() + oneLine);

    const ZG::TextExtents none = info.getExtents(static_cast<const char*>(nullptr));
    EXPECT_EQ(none.width, 0.0);
    EXPECT_EQ(none.height, oneLine);
}

} // namespace
