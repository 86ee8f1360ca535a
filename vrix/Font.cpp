#include "vrix/Font.h"

namespace VRIX {

Font::Font(const char* family, double size, int style, int weight)
    : m_family(family)
    , m_size(size)
    , m_style(style)
    , m_weight(weight)
{
}

Font::Font(const StringID& family, double size, int style, int weight) noexcept
    : m_family(family)
    , m_size(size)
    , m_style(style)
    , m_weight(weight)
{
}

void Font::setFamily(const char* family)
{
    m_family = StringID(family);
}

} // namespace VRIX
