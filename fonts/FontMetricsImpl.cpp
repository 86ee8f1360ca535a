#include "fonts/FontMetricsImpl.h"

#include "fonts/FontInfo.h"
#include "fonts/FontMetricsCache.h"
#include "fonts/KTSymbolFontHelper.h"

#include <QString>

#include <cmath>

namespace ZG {

std::atomic<double> FontMetricsImpl::s_defaultHintingMultiplier { 1.0 };

namespace {

// Beyond this Qt's glyph engines gain nothing but memory.
constexpr double kMaxPixelSize = 32767.0;

int pixelSizeFor(double size, double multiplier)
{
    const double scaled = static_cast<double>(static_cast<float>(size)) * multiplier;
    // Qt ignores pixel sizes below 1 and keeps its 12 points; NaN would not convert at all.
    if (!(scaled >= 1.0))
        return 1;
    if (scaled >= kMaxPixelSize)
        return static_cast<int>(kMaxPixelSize);
    return static_cast<int>(scaled); // toward zero
}

int qtWeightFor(VRIX::FontWeight::Type weight)
{
    switch (weight) {
    case VRIX::FontWeight::Normal:
        return QFont::Normal;
    case VRIX::FontWeight::Bold:
        return QFont::Bold;
    default:
        return 0; // the lightest weight Qt knows
    }
}

} // namespace

FontMetricsImpl::FontMetricsImpl(const FontInfo& owner)
    : m_owner(&owner)
    , m_multiplier(s_defaultHintingMultiplier.load())
    , m_font(makeQFont(owner, m_multiplier))
    , m_qtMetrics(m_font)
{
}

QFont FontMetricsImpl::makeQFont(const FontInfo& info, double multiplier)
{
    const KTSymbolFontHelper helper(info.getFontName().c_str(), VRIX::FontMapMode::Scalable);
    QFont font(QString::fromStdString(helper.getFontName()), 12, qtWeightFor(info.getFontWeight()),
        info.getFontAngle() == VRIX::FontAngle::Italic);
    font.setPixelSize(pixelSizeFor(info.getFontSize(), multiplier));
    return font;
}

double FontMetricsImpl::ascent() const
{
    return m_qtMetrics.ascent() / m_multiplier;
}

double FontMetricsImpl::descent() const
{
    return m_qtMetrics.descent() / m_multiplier;
}

double FontMetricsImpl::height() const
{
    return (m_qtMetrics.height() - m_qtMetrics.descent()) / m_multiplier;
}

double FontMetricsImpl::lineSpacing() const
{
    return (m_qtMetrics.lineSpacing() - m_qtMetrics.descent()) / m_multiplier;
}

double FontMetricsImpl::width(const QString& text) const
{
#if QT_VERSION >= QT_VERSION_CHECK(5, 11, 0)
    return m_qtMetrics.horizontalAdvance(text) / m_multiplier;
#else
    return m_qtMetrics.width(text) / m_multiplier;
#endif
}

FixedFontMetrics FontMetricsImpl::calcAndcacheMetrics() const
{
    FixedFontMetrics metrics;
    metrics.ascent = ascent();
    metrics.descent = descent();
    metrics.height = height();
    metrics.lineSpacing = lineSpacing();
    return FontMetricsCache::instance().insert(*m_owner, metrics);
}

} // namespace ZG
