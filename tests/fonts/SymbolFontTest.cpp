#include "fonts/KTSymbolFontHelper.h"
#include "fonts/KTSymbolFontTextCodec.h"
#include "tests/support/QStringPrinter.h"

#include <QTextCodec>

#include <gtest/gtest.h>

namespace {

using ZG::KTSymbolFontHelper;
using ZG::KTSymbolFontTextCodec;

QString decode(const char* bytes)
{
    return KTSymbolFontTextCodec::instance()->toUnicode(bytes);
}

TEST(SymbolCodec, IsOneRegisteredDecodeOnlyCodecUnderItsNameAndNumber)
{
    KTSymbolFontTextCodec* codec = KTSymbolFontTextCodec::instance();
    EXPECT_EQ(KTSymbolFontTextCodec::instance(), codec);
    EXPECT_EQ(QTextCodec::codecForMib(2020), codec);
    EXPECT_EQ(QTextCodec::codecForName("KTymbolFontTextCodec"), codec);
    EXPECT_TRUE(codec->fromUnicode(QStringLiteral("abc")).isEmpty()) << "it only decodes";
}

TEST(SymbolCodec, MapsSymbolBytesAcrossTheWholeRange)
{
    const struct {
        unsigned char byte;
        char16_t unit;
    } samples[] = {
        { 34, 0x2200 },
        { 68, 0x0394 },
        { 97, 0x03B1 },
        { 111, 0x00F8 },
        { 126, 0x007E },
        { 161, 0x03A5 },
        { 183, 0x2022 },
        { 189, 0x007C },
        { 192, 0x2135 },
        { 225, 0x27E8 },
        { 241, 0x27E9 },
        { 251, 0x230B },
    };
    for (const auto& s : samples) {
        const char bytes[] = { static_cast<char>(s.byte), 0 };
        EXPECT_EQ(decode(bytes), QString(QChar(s.unit))) << int(s.byte);
    }
    int mapped = 0;
    for (int byte = 0; byte < 256; ++byte)
        mapped += KTSymbolFontTextCodec::symbolFor(static_cast<unsigned char>(byte)) != 0;
    EXPECT_EQ(mapped, 104);
}

TEST(SymbolCodec, BytesWithoutASymbolComeFromTheLocalEncoding)
{
    EXPECT_EQ(decode("ABEHj 0-9.,"), QString("ABEHj 0-9.,"));
    EXPECT_EQ(decode("pi=p"), QString::fromUtf16(u"\u03C0\u03B9=\u03C0"));
    const char unmapped[] = { '\x80', '\xFF', 0 };
    QTextCodec* local = QTextCodec::codecForLocale();
    EXPECT_EQ(decode(unmapped), local->toUnicode("\x80", 1) + local->toUnicode("\xFF", 1));
    EXPECT_EQ(decode(""), QString());
    // Explicit lengths pass NUL bytes through instead of stopping at them.
    EXPECT_EQ(KTSymbolFontTextCodec::instance()->toUnicode(QByteArray("a\0b", 3)),
        QString::fromUtf16(u"\u03B1") + QChar(0) + QString::fromUtf16(u"\u03B2"));
}

TEST(SymbolFontHelper, OnlySymbolIsTheSymbolFontAndOtherNamesAreMappedForTheMode)
{
    const struct {
        const char* name;
        bool symbol;
        const char* scalable;
        const char* exact;
    } rows[] = {
        { "Symbol", true, "serif", "serif" },
        { "symbol", false, "symbol", "symbol" },
        { "Symbol ", false, "Symbol ", "Symbol " },
        { "Symbols", false, "Symbols", "Symbols" },
        { "Courier", false, "monospace", "Courier" },
        { "", false, "sans-serif", "" },
        { nullptr, false, "sans-serif", "" },
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name ? row.name : "(null)");
        EXPECT_EQ(KTSymbolFontHelper::isSymbolFont(row.name), row.symbol);
        const KTSymbolFontHelper scalable(row.name, VRIX::FontMapMode::Scalable);
        EXPECT_EQ(scalable.isSymbol(), row.symbol);
        EXPECT_EQ(scalable.getFontName(), row.scalable);
        EXPECT_EQ(KTSymbolFontHelper(row.name, VRIX::FontMapMode::Exact).getFontName(), row.exact);
    }
}

} // namespace
