#include "fonts/FontInfo.h"

#include "fonts/FontMetricsCache.h"
#include "fonts/FontMetricsImpl.h"
#include "fonts/KTSymbolFontHelper.h"

#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace ZG {

namespace {

// -1, 0 or 1; NaN after every number and equivalent to NaN.
int compareSizes(double a, double b) noexcept
{
    const bool aNaN = std::isnan(a);
    const bool bNaN = std::isnan(b);
    if (aNaN || bNaN)
        return aNaN == bNaN ? 0 : (aNaN ? 1 : -1);
    return a < b ? -1 : (b < a ? 1 : 0);
}

QString fromUtf16(const char16_t* text, std::size_t length)
{
    return QString(reinterpret_cast<const QChar*>(text), static_cast<int>(length));
}

QString fromUtf16(const char16_t* text)
{
    return text ? fromUtf16(text, std::char_traits<char16_t>::length(text)) : QString();
}

} // namespace

FontInfo::FontInfo() = default;

FontInfo::FontInfo(const VRIX::StringID& name, double size, VRIX::FontWeight::Type weight,
    VRIX::FontAngle::Type angle)
    : m_fontName(name)
    , m_fontSize(size)
    , m_fontWeight(weight)
    , m_fontAngle(angle)
{
}

FontInfo::FontInfo(
    const char* name, double size, VRIX::FontWeight::Type weight, VRIX::FontAngle::Type angle)
    : FontInfo(VRIX::StringID(name), size, weight, angle)
{
}

FontInfo::FontInfo(const FontInfo& other)
    : m_fontName(other.m_fontName)
    , m_fontSize(other.m_fontSize)
    , m_fontWeight(other.m_fontWeight)
    , m_fontAngle(other.m_fontAngle)
{
    if (other.m_metrics)
        m_metrics = std::make_unique<FontMetricsImpl>(*this);
}

FontInfo::FontInfo(FontInfo&& other) noexcept
    : m_fontName(other.m_fontName)
    , m_fontSize(other.m_fontSize)
    , m_fontWeight(other.m_fontWeight)
    , m_fontAngle(other.m_fontAngle)
    , m_metrics(std::move(other.m_metrics))
{
    if (m_metrics)
        m_metrics->setOwner(this);
}

FontInfo& FontInfo::operator=(const FontInfo& other)
{
    if (this == &other)
        return *this;
    m_fontName = other.m_fontName;
    m_fontSize = other.m_fontSize;
    m_fontWeight = other.m_fontWeight;
    m_fontAngle = other.m_fontAngle;
    m_metrics.reset();
    if (other.m_metrics)
        m_metrics = std::make_unique<FontMetricsImpl>(*this);
    return *this;
}

FontInfo& FontInfo::operator=(FontInfo&& other) noexcept
{
    if (this == &other)
        return *this;
    m_fontName = other.m_fontName;
    m_fontSize = other.m_fontSize;
    m_fontWeight = other.m_fontWeight;
    m_fontAngle = other.m_fontAngle;
    m_metrics = std::move(other.m_metrics);
    if (m_metrics)
        m_metrics->setOwner(this);
    return *this;
}

FontInfo::~FontInfo() = default;

void FontInfo::setFontName(const VRIX::StringID& name)
{
    if (name == m_fontName)
        return;
    m_fontName = name;
    dropMetrics();
}

void FontInfo::setFontName(const char* name)
{
    setFontName(VRIX::StringID(name));
}

void FontInfo::setFontSize(double size)
{
    // A NaN never equals itself, so setting one always counts as a change.
    if (size == m_fontSize)
        return;
    m_fontSize = size;
    dropMetrics();
}

void FontInfo::setFontWeight(VRIX::FontWeight::Type weight)
{
    if (weight == m_fontWeight)
        return;
    m_fontWeight = weight;
    dropMetrics();
}

void FontInfo::setFontAngle(VRIX::FontAngle::Type angle)
{
    if (angle == m_fontAngle)
        return;
    m_fontAngle = angle;
    dropMetrics();
}

void FontInfo::dropMetrics() noexcept
{
    m_metrics.reset();
}

FontMetricsImpl* FontInfo::createMetrics() const
{
    if (!m_metrics || m_metrics->multiplier() != getDefaultHintingMultiplier())
        m_metrics = std::make_unique<FontMetricsImpl>(*this);
    return m_metrics.get();
}

FixedFontMetrics FontInfo::fixedMetrics() const
{
    FixedFontMetrics metrics;
    if (FontMetricsCache::instance().find(*this, metrics))
        return metrics;
    return createMetrics()->calcAndcacheMetrics();
}

double FontInfo::getAscent() const
{
    return fixedMetrics().ascent;
}

double FontInfo::getDescent() const
{
    return fixedMetrics().descent;
}

double FontInfo::getHeight() const
{
    return fixedMetrics().height;
}

double FontInfo::getLineSpacing() const
{
    return fixedMetrics().lineSpacing;
}

double FontInfo::getWidth(const char* text) const
{
    QString decoded;
    KTSymbolFontHelper(m_fontName.c_str(), VRIX::FontMapMode::Scalable).getQString(text, decoded);
    return createMetrics()->width(decoded);
}

double FontInfo::getWidth(const char16_t* text) const
{
    return createMetrics()->width(fromUtf16(text));
}

double FontInfo::getWidth(const std::u16string& text) const
{
    return createMetrics()->width(fromUtf16(text.data(), text.size()));
}

TextExtents FontInfo::getExtents(const char* text) const
{
    return getExtentsOf(QString::fromLocal8Bit(text ? text : ""));
}

TextExtents FontInfo::getExtents(const char16_t* text) const
{
    return getExtentsOf(fromUtf16(text));
}

TextExtents FontInfo::getExtents(const std::u16string& text) const
{
    return getExtentsOf(fromUtf16(text.data(), text.size()));
}

TextExtents FontInfo::getExtentsOf(const QString& text) const
{
    const FontMetricsImpl* metrics = createMetrics();
    const QStringList lines = text.split(QLatin1Char('\n'));
    TextExtents extents;
    for (const QString& line : lines)
        extents.width = std::max(extents.width, metrics->width(line));
    const FixedFontMetrics fixed = fixedMetrics();
    const double lineFeeds = static_cast<double>(lines.size() - 1);
    extents.height = lineFeeds * fixed.lineSpacing + fixed.height - fixed.descent;
    return extents;
}

void FontInfo::setDefaultHintingMultiplier(double multiplier)
{
    if (!std::isfinite(multiplier) || multiplier <= 0.0)
        return;
    // Cached metrics were divided by the old value.
    if (FontMetricsImpl::s_defaultHintingMultiplier.exchange(multiplier) != multiplier)
        FontMetricsCache::instance().clear();
}

double FontInfo::getDefaultHintingMultiplier()
{
    return FontMetricsImpl::s_defaultHintingMultiplier.load();
}

bool FontInfo::operator<(const FontInfo& other) const noexcept
{
    if (m_fontName != other.m_fontName) {
        const int byName = m_fontName.str().compare(other.m_fontName.str());
        if (byName != 0)
            return byName < 0;
    }
    if (const int bySize = compareSizes(m_fontSize, other.m_fontSize))
        return bySize < 0;
    if (m_fontWeight != other.m_fontWeight)
        return m_fontWeight < other.m_fontWeight;
    return m_fontAngle < other.m_fontAngle;
}

bool FontInfo::operator==(const FontInfo& other) const noexcept
{
    return m_fontName == other.m_fontName && m_fontSize == other.m_fontSize
        && m_fontWeight == other.m_fontWeight && m_fontAngle == other.m_fontAngle;
}

} // namespace ZG
