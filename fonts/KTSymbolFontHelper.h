#pragma once

#include "vrix/FontEnums.h"

#include <string>

class QString;

namespace ZG {

/// Knows how text and family names of the "Symbol" font differ from other fonts: its family
/// is drawn with a serif face and its 8-bit text is in the Symbol encoding. Any thread.
class KTSymbolFontHelper {
public:
    /// A null name is the empty name.
    KTSymbolFontHelper(const char* fontName, VRIX::FontMapMode::Type mode);

    /// The family to build a Qt font with: "serif" in place of "Symbol", then mapped to the
    /// closest scalable family for the mode.
    std::string getFontName() const;
    /// Decodes `text` (null is empty) with the symbol codec for the Symbol font, otherwise
    /// from the local 8-bit encoding.
    void getQString(const char* text, QString& out) const;

    bool isSymbol() const noexcept { return m_isSymbol; }
    VRIX::FontMapMode::Type mode() const noexcept { return m_mode; }

    /// Exactly "Symbol"; null is not.
    static bool isSymbolFont(const char* name);

private:
    std::string m_fontName;
    VRIX::FontMapMode::Type m_mode;
    bool m_isSymbol;
};

} // namespace ZG
