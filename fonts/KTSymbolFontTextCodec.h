#pragma once

#include <QTextCodec>

namespace ZG {

/// Decodes the 8-bit Symbol font encoding to Unicode; encoding back is not supported and gives
/// an empty result. Bytes without a symbol of their own are decoded from the local 8-bit
/// encoding. One instance, made on first use and owned by Qt's codec registry. Any thread.
class KTSymbolFontTextCodec : public QTextCodec {
public:
    static KTSymbolFontTextCodec* instance();

    QByteArray name() const override;
    int mibEnum() const override;

    /// The code unit `byte` decodes to, or 0 when it has no symbol of its own.
    static char16_t symbolFor(unsigned char byte) noexcept;

protected:
    QString convertToUnicode(const char* in, int length, ConverterState* state) const override;
    QByteArray convertFromUnicode(
        const QChar* in, int length, ConverterState* state) const override;

private:
    KTSymbolFontTextCodec() = default;
};

} // namespace ZG
