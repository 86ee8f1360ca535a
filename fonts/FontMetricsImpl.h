#pragma once

#include "fonts/FixedFontMetrics.h"

#include <QFont>
#include <QFontMetrics>

#include <atomic>

class QString;

namespace ZG {

class FontInfo;

/// The Qt font and metrics behind a FontInfo, built for the hinting multiplier current at
/// construction. Every measurement is divided by that multiplier. Used on its owner's thread.
class FontMetricsImpl {
public:
    explicit FontMetricsImpl(const FontInfo& owner);
    FontMetricsImpl(const FontMetricsImpl&) = delete;
    FontMetricsImpl& operator=(const FontMetricsImpl&) = delete;

    /// The Qt font for `info` at `multiplier`: the family mapped to a scalable one, weight and
    /// slant, and the size in single precision times the multiplier, truncated, as pixel size
    /// (at least 1, at most 32767; a NaN size gives 1).
    static QFont makeQFont(const FontInfo& info, double multiplier);

    const QFont& qFont() const noexcept { return m_font; }
    const QFontMetrics& qFontMetrics() const noexcept { return m_qtMetrics; }
    double multiplier() const noexcept { return m_multiplier; }

    const FontInfo* owner() const noexcept { return m_owner; }
    /// Called by the owner when it moves.
    void setOwner(const FontInfo* owner) noexcept { m_owner = owner; }

    double ascent() const;
    double descent() const;
    double height() const;
    double lineSpacing() const;
    double width(const QString& text) const;

    /// Computes the four fixed metrics and offers them to the process-wide cache under the
    /// owner's description; returns what the cache then holds for it (a value another thread
    /// stored first wins).
    FixedFontMetrics calcAndcacheMetrics() const;

    /// Read by every new metrics object; written through FontInfo::setDefaultHintingMultiplier.
    static std::atomic<double> s_defaultHintingMultiplier;

private:
    const FontInfo* m_owner;
    const double m_multiplier;
    const QFont m_font;
    const QFontMetrics m_qtMetrics;
};

} // namespace ZG
