#pragma once

#include "fonts/FixedFontMetrics.h"
#include "fonts/TextExtents.h"
#include "vrix/FontEnums.h"
#include "vrix/StringID.h"

#include "vxqtgui_export.h"

#include <memory>
#include <string>

class QString;

namespace ZG {

class FontMetricsImpl;

/// A font description that measures text without widgets: fixed metrics come from the
/// process-wide cache, text widths from a metrics object made on first need and dropped
/// whenever the description changes. Results are in the host's units (pixels divided by the
/// hinting multiplier). One instance belongs to one thread at a time; any thread may measure
/// once a QGuiApplication exists.
class VXQTGUI_EXPORT FontInfo {
public:
    FontInfo();
    FontInfo(const VRIX::StringID& name, double size,
        VRIX::FontWeight::Type weight = VRIX::FontWeight::Normal,
        VRIX::FontAngle::Type angle = VRIX::FontAngle::Upright);
    /// A null name is the empty name.
    FontInfo(const char* name, double size,
        VRIX::FontWeight::Type weight = VRIX::FontWeight::Normal,
        VRIX::FontAngle::Type angle = VRIX::FontAngle::Upright);
    /// Copies the fields; the copy gets a metrics object of its own if the source had one.
    FontInfo(const FontInfo& other);
    FontInfo(FontInfo&& other) noexcept;
    FontInfo& operator=(const FontInfo& other);
    FontInfo& operator=(FontInfo&& other) noexcept;
    virtual ~FontInfo();

    const VRIX::StringID& getFontName() const noexcept { return m_fontName; }
    double getFontSize() const noexcept { return m_fontSize; }
    VRIX::FontWeight::Type getFontWeight() const noexcept { return m_fontWeight; }
    VRIX::FontAngle::Type getFontAngle() const noexcept { return m_fontAngle; }

    // Each setter ignores an unchanged value; any change drops the metrics object.
    void setFontName(const VRIX::StringID& name);
    void setFontName(const char* name);
    void setFontSize(double size);
    void setFontWeight(VRIX::FontWeight::Type weight);
    void setFontAngle(VRIX::FontAngle::Type angle);

    /// The metrics object, made now if there is none or if it was built for another hinting
    /// multiplier.
    FontMetricsImpl* createMetrics() const;
    /// The metrics object if one exists, without making one.
    const FontMetricsImpl* getMetrics() const noexcept { return m_metrics.get(); }

    double getAscent() const;
    double getDescent() const;
    /// Qt's height less the descent.
    double getHeight() const;
    /// Qt's line spacing less the descent.
    double getLineSpacing() const;

    /// An 8-bit text is decoded with the symbol codec when the font is "Symbol", otherwise from
    /// the local 8-bit encoding. Null is the empty text.
    double getWidth(const char* text) const;
    /// UTF-16 text is measured as it is, in any font. Null is the empty text.
    double getWidth(const char16_t* text) const;
    double getWidth(const std::u16string& text) const;

    /// Lines split at line feeds: the widest line's width; n line feeds make the height
    /// n × line spacing + height − descent. The 8-bit form always uses the local encoding.
    TextExtents getExtents(const char* text) const;
    TextExtents getExtents(const char16_t* text) const;
    TextExtents getExtents(const std::u16string& text) const;

    /// Scales every measurement: Qt fonts are built this many times larger and their metrics
    /// divided by it. Values that are not finite and positive are ignored. A change empties
    /// the metrics cache. Set it before measuring; 1.0 at load.
    static void setDefaultHintingMultiplier(double multiplier);
    static double getDefaultHintingMultiplier();

    /// Name (byte-wise), then size, then weight, then angle. NaN sizes sort after all others
    /// and together, so the order stays strict and weak.
    bool operator<(const FontInfo& other) const noexcept;
    /// The same four fields; a NaN size equals nothing.
    bool operator==(const FontInfo& other) const noexcept;
    bool operator!=(const FontInfo& other) const noexcept { return !(*this == other); }

private:
    FixedFontMetrics fixedMetrics() const;
    TextExtents getExtentsOf(const QString& text) const;
    void dropMetrics() noexcept;

    VRIX::StringID m_fontName;
    double m_fontSize = 0.0;
    VRIX::FontWeight::Type m_fontWeight = VRIX::FontWeight::Normal;
    VRIX::FontAngle::Type m_fontAngle = VRIX::FontAngle::Upright;
    // A cache of the description, hence mutable: measuring does not change the font.
    mutable std::unique_ptr<FontMetricsImpl> m_metrics;
};

} // namespace ZG
