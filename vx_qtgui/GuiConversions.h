#pragma once

#include "vrix/Font.h"

#include <QFont>
#include <QRect>
#include <Qt>

class QtRectMessage;

// Conversions between the engine side's window flags and fonts and Qt's. Any thread for the
// flags; fonts on the GUI thread.

/// Qt window flags of a 16-bit set of engine-side window flags.
Qt::WindowFlags vrixFlagToQt(unsigned vxFlags);
/// The engine-side flags of Qt window flags. Type bits are tested by overlap, so any window
/// type answers to every engine-side type its bits share.
unsigned QtFlagToVrix(Qt::WindowFlags flags);

/// The host's rectangle (inclusive edges) in host pixels, corners within the bounded extent and
/// at least one pixel wide and high, so no width or height overflows.
QRect hostRect(const QtRectMessage& rect);

namespace VRIX {

/// A QFont of `font`, its size in units of `dpi` per inch turned into points.
QFont toQFont(const Font& font, double dpi);
/// The inverse of toQFont.
Font toFont(const QFont& font, double dpi);

} // namespace VRIX
