#include "fonts/KTSymbolFontTextCodec.h"

#include <QString>

#include <array>

namespace ZG {

namespace {

struct SymbolEntry {
    unsigned char byte;
    char16_t unit;
};

// The bytes of the Symbol encoding that differ from Latin text; every other byte is decoded
// from the local 8-bit encoding.
constexpr SymbolEntry kSymbolEntries[] = {
    { 34, 0x2200 },
    { 36, 0x2203 },
    { 39, 0x220B },
    { 42, 0x2217 },
    { 64, 0x2245 },
    { 68, 0x0394 },
    { 70, 0x03A6 },
    { 71, 0x0393 },
    { 74, 0x03D1 },
    { 76, 0x039B },
    { 80, 0x03A0 },
    { 81, 0x0398 },
    { 83, 0x03A3 },
    { 86, 0x03C2 },
    { 87, 0x03A9 },
    { 88, 0x039E },
    { 89, 0x03A8 },
    { 94, 0x22A5 },
    { 97, 0x03B1 },
    { 98, 0x03B2 },
    { 99, 0x03C7 },
    { 100, 0x03B4 },
    { 101, 0x03B5 },
    { 102, 0x03C6 },
    { 103, 0x03B3 },
    { 104, 0x03B7 },
    { 105, 0x03B9 },
    { 107, 0x03BA },
    { 108, 0x03BB },
    { 109, 0x03BC },
    { 110, 0x03BD },
    { 111, 0x00F8 },
    { 112, 0x03C0 },
    { 113, 0x03B8 },
    { 114, 0x03C1 },
    { 115, 0x03C3 },
    { 116, 0x03C4 },
    { 117, 0x03C5 },
    { 118, 0x03D6 },
    { 119, 0x03C9 },
    { 120, 0x03BE },
    { 121, 0x03C8 },
    { 122, 0x03B6 },
    { 126, 0x007E },
    { 161, 0x03A5 },
    { 162, 0x2032 },
    { 163, 0x2264 },
    { 165, 0x221E },
    { 167, 0x2663 },
    { 168, 0x2666 },
    { 169, 0x2665 },
    { 170, 0x2660 },
    { 171, 0x2194 },
    { 172, 0x2190 },
    { 173, 0x2191 },
    { 174, 0x2192 },
    { 175, 0x2193 },
    { 176, 0x00B0 },
    { 177, 0x00B1 },
    { 179, 0x2265 },
    { 180, 0x00D7 },
    { 181, 0x221D },
    { 182, 0x2202 },
    { 183, 0x2022 },
    { 184, 0x00F7 },
    { 185, 0x2260 },
    { 186, 0x2261 },
    { 187, 0x2248 },
    { 188, 0x22EF },
    { 189, 0x007C },
    { 192, 0x2135 },
    { 193, 0x2111 },
    { 194, 0x211C },
    { 195, 0x2118 },
    { 196, 0x2297 },
    { 197, 0x2295 },
    { 198, 0x2205 },
    { 199, 0x2229 },
    { 200, 0x222A },
    { 201, 0x2283 },
    { 202, 0x2287 },
    { 204, 0x2282 },
    { 205, 0x2286 },
    { 206, 0x2208 },
    { 208, 0x2220 },
    { 209, 0x2207 },
    { 211, 0x00A9 },
    { 214, 0x221A },
    { 215, 0x00B7 },
    { 216, 0x00AC },
    { 217, 0x2227 },
    { 218, 0x2228 },
    { 219, 0x21D4 },
    { 220, 0x21D0 },
    { 221, 0x21D1 },
    { 222, 0x21D2 },
    { 223, 0x21D3 },
    { 225, 0x27E8 },
    { 233, 0x2308 },
    { 235, 0x230A },
    { 241, 0x27E9 },
    { 242, 0x222B },
    { 249, 0x2309 },
    { 251, 0x230B },
};

constexpr std::array<char16_t, 256> makeSymbolTable()
{
    std::array<char16_t, 256> table {};
    for (const SymbolEntry& entry : kSymbolEntries)
        table[entry.byte] = entry.unit;
    return table;
}

constexpr std::array<char16_t, 256> kSymbolTable = makeSymbolTable();

} // namespace

KTSymbolFontTextCodec* KTSymbolFontTextCodec::instance()
{
    // Qt's codec registry takes ownership on construction and deletes codecs at exit.
    static KTSymbolFontTextCodec* codec = new KTSymbolFontTextCodec;
    return codec;
}

QByteArray KTSymbolFontTextCodec::name() const
{
    return QByteArrayLiteral("KTymbolFontTextCodec");
}

int KTSymbolFontTextCodec::mibEnum() const
{
    return 2020;
}

char16_t KTSymbolFontTextCodec::symbolFor(unsigned char byte) noexcept
{
    return kSymbolTable[byte];
}

QString KTSymbolFontTextCodec::convertToUnicode(
    const char* in, int length, ConverterState* state) const
{
    QString out;
    if (!in || length <= 0)
        return out;
    QTextCodec* local = QTextCodec::codecForLocale();
    // Whoever made this codec the locale's must not send us into ourselves.
    if (!local || local == this)
        local = QTextCodec::codecForMib(4); // Latin-1
    out.reserve(length);
    for (int i = 0; i < length; ++i) {
        const unsigned char byte = static_cast<unsigned char>(in[i]);
        if (const char16_t unit = kSymbolTable[byte])
            out.append(QChar(unit));
        else if (local)
            out.append(local->toUnicode(in + i, 1));
        else
            out.append(QChar(static_cast<ushort>(byte)));
    }
    if (state)
        state->remainingChars = 0;
    return out;
}

QByteArray KTSymbolFontTextCodec::convertFromUnicode(
    const QChar* in, int length, ConverterState* state) const
{
    return QByteArray();
}

} // namespace ZG
