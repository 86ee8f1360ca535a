#pragma once

#include "fonts/FontInfo.h"

#include <QFont>
#include <QString>

namespace fonttest {

/// The Qt font the service should build for a family at a pixel size.
inline QFont qtFont(const QString& family, int pixelSize, int weight = QFont::Normal)
{
    QFont font(family, 12, weight);
    font.setPixelSize(pixelSize);
    return font;
}

/// Restores the hinting multiplier to 1.0 when the test ends, however it ends.
struct AutoResetMultiplier {
    ~AutoResetMultiplier() { ZG::FontInfo::setDefaultHintingMultiplier(1.0); }
};

} // namespace fonttest
