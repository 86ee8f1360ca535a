#include "tests/fonts/FontTestSupport.h"

#include "fonts/FontInfo.h"

namespace fonttest {

QFont qtFont(const QString& family, int pixelSize, int weight, bool italic)
{
    QFont font(family, 12, weight, italic);
    font.setPixelSize(pixelSize);
    return font;
}

AutoResetMultiplier::~AutoResetMultiplier()
{
    ZG::FontInfo::setDefaultHintingMultiplier(1.0);
}

} // namespace fonttest
