#include "vx_qtgui/GuiUtil.h"

#include "tests/support/QStringPrinter.h"
#include "tests/vx_qtgui/gui_util/PictureFiles.h"
#include "vrix/DpiScaling.h"

#include <QFont>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

struct TruthCase {
    const char* text;
    bool truth;
};

class TrueString : public ::testing::TestWithParam<TruthCase> { };

TEST_P(TrueString, OnTrueOrOne)
{
    EXPECT_EQ(
        GuiUtil::isTrueStr(GetParam().text ? QString::fromLatin1(GetParam().text) : QString()),
        GetParam().truth)
        << '"' << (GetParam().text ? GetParam().text : "(null)") << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, TrueString,
    ::testing::Values(TruthCase { "ON", true }, TruthCase { "on", true }, TruthCase { "oN", true },
        TruthCase { "True", true }, TruthCase { "TRUE", true }, TruthCase { "1", true },
        TruthCase { "0", false }, TruthCase { "", false }, TruthCase { "off", false },
        TruthCase { "false", false }, TruthCase { "yes", false }, TruthCase { " on", false },
        TruthCase { "11", false }, TruthCase { "1.0", false },
        TruthCase { nullptr, false })); // a null QString

TEST(StringConversion, AddressReadsAsTheStreamWritesIt)
{
    int object = 0;
    std::ostringstream expected;
    expected << static_cast<void*>(&object);
    const QString text = GuiUtil::convertToQString(static_cast<void*>(&object));
    EXPECT_EQ(text, QString::fromStdString(expected.str()));
    EXPECT_TRUE(text.startsWith("0x"));
}

TEST(StringConversion, EightBitStringKeepsEmbeddedNulls)
{
    const QString text = GuiUtil::convertToQString(std::string("ab\0cd", 5));
    ASSERT_EQ(text.size(), 5);
    EXPECT_EQ(text.at(2), QChar(0));
    EXPECT_EQ(text.mid(3), "cd");
    EXPECT_TRUE(GuiUtil::convertToQString(std::string()).isEmpty());
}

TEST(StringConversion, SixteenBitStringsRoundTripUnitForUnit)
{
    // A leading byte-order mark and a surrogate pair must survive both ways.
    const std::u16string text = u"\uFEFFGr\u00FC\u00DFe \U0001F600";
    const QString converted = GuiUtil::toQString(text);
    ASSERT_EQ(std::size_t(converted.size()), text.size());
    EXPECT_EQ(converted.at(0).unicode(), 0xFEFF);
    EXPECT_TRUE(converted.at(converted.size() - 2).isHighSurrogate());
    EXPECT_EQ(GuiUtil::toVXUString(converted), text);
    EXPECT_TRUE(GuiUtil::toQString(std::u16string()).isEmpty());
    EXPECT_TRUE(GuiUtil::toVXUString(QString()).empty());
}

class ColumnWidth : public DpiScaleTest { };

TEST_F(ColumnWidth, TextWidthPlusHalfTheWidestCharacterCappedAtTheScaledMaximum)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    EXPECT_EQ(GuiUtil::getStandardColumnWidth(QString(), fm), 21);
    ASSERT_GT(fm.horizontalAdvance("abc"), 0);
    const double pad
        = fm.maxWidth() != 0 ? fm.maxWidth() / 2.0 : fm.horizontalAdvance(QLatin1Char('W'));
    EXPECT_EQ(GuiUtil::getStandardColumnWidth("abc", fm), int(pad + fm.horizontalAdvance("abc")));

    const QString longText(400, QLatin1Char('W'));
    EXPECT_EQ(GuiUtil::getStandardColumnWidth(longText, fm), 200);
    VRIX::setDpiScale(1.5);
    EXPECT_EQ(GuiUtil::getStandardColumnWidth(longText, fm), 300);
}

} // namespace
