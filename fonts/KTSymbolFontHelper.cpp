#include "fonts/KTSymbolFontHelper.h"

#include "fonts/KTSymbolFontTextCodec.h"
#include "vrix/FontNames.h"

#include <QString>

#include <cstring>

namespace ZG {

KTSymbolFontHelper::KTSymbolFontHelper(const char* fontName, VRIX::FontMapMode::Type mode)
    : m_fontName(fontName ? fontName : "")
    , m_mode(mode)
    , m_isSymbol(isSymbolFont(fontName))
{
}

std::string KTSymbolFontHelper::getFontName() const
{
    // Symbol's letters are Greek and mathematical; a serif face draws them closest.
    return VRIX::getClosestScaleableFontName(m_isSymbol ? "serif" : m_fontName.c_str(), m_mode);
}

void KTSymbolFontHelper::getQString(const char* text, QString& out) const
{
    if (!text) {
        out.clear();
        return;
    }
    out = m_isSymbol ? KTSymbolFontTextCodec::instance()->toUnicode(text)
                     : QString::fromLocal8Bit(text);
}

bool KTSymbolFontHelper::isSymbolFont(const char* name)
{
    return name && std::strcmp(name, "Symbol") == 0;
}

} // namespace ZG
