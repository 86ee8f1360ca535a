#include "vrix/gui/ImageCompositor.h"

namespace VRIX::ImageCompositor {

namespace {

const QLatin1String kPrefix("vxic:");
const QChar kFlagDpi('d');
const QChar kFlagGrey('g');
const QChar kLayerSeparator('|');

QString escapeLayer(QString path)
{
    path.replace(QLatin1Char('%'), QLatin1String("%25"));
    path.replace(kLayerSeparator, QLatin1String("%7C"));
    return path;
}

// Only the two escapes we write are understood; any other "%" stays as it is.
QString unescapeLayer(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('%') && i + 2 < text.size()) {
            const QStringRef code = text.midRef(i + 1, 2);
            if (code.compare(QLatin1String("25"), Qt::CaseInsensitive) == 0) {
                out += QLatin1Char('%');
                i += 2;
                continue;
            }
            if (code.compare(QLatin1String("7C"), Qt::CaseInsensitive) == 0) {
                out += kLayerSeparator;
                i += 2;
                continue;
            }
        }
        out += text.at(i);
    }
    return out;
}

bool parseFlags(const QStringRef& flags, bool& dpiAware, bool& grey)
{
    dpiAware = false;
    grey = false;
    int at = 0;
    if (at < flags.size() && flags.at(at) == kFlagDpi) {
        dpiAware = true;
        ++at;
    }
    if (at < flags.size() && flags.at(at) == kFlagGrey) {
        grey = true;
        ++at;
    }
    return at == flags.size();
}

} // namespace

bool decodeKey(const QString& text, Key& key)
{
    if (!text.startsWith(kPrefix))
        return false;
    const int flagsEnd = text.indexOf(QLatin1Char(':'), kPrefix.size());
    if (flagsEnd < 0)
        return false;
    Key decoded;
    if (!parseFlags(
            text.midRef(kPrefix.size(), flagsEnd - kPrefix.size()), decoded.dpiAware, decoded.grey))
        return false;
    const QVector<QStringRef> parts = text.midRef(flagsEnd + 1).split(kLayerSeparator);
    for (const QStringRef& part : parts) {
        if (!part.isEmpty())
            decoded.layers.append(unescapeLayer(part.toString()));
    }
    if (decoded.layers.isEmpty())
        return false;
    key = decoded;
    return true;
}

bool isEncodedKey(const QString& text)
{
    Key ignored;
    return decodeKey(text, ignored);
}

QString buildKey(const QStringList& layers, bool dpiAware, bool grey)
{
    QString key = kPrefix;
    if (dpiAware)
        key += kFlagDpi;
    if (grey)
        key += kFlagGrey;
    key += QLatin1Char(':');
    bool first = true;
    for (const QString& layer : layers) {
        if (layer.isEmpty())
            continue;
        if (!first)
            key += kLayerSeparator;
        key += escapeLayer(layer);
        first = false;
    }
    return key;
}

QString buildKey(const QString& path, bool dpiAware, bool grey)
{
    if (isEncodedKey(path))
        return path;
    return buildKey(QStringList { path }, dpiAware, grey);
}

} // namespace VRIX::ImageCompositor
