#pragma once

#include <cstdint>

namespace VRIX {

/// Weight of a measured font. Values are 32-bit on every platform; any value other than
/// `Normal` and `Bold` stands for the lightest weight.
namespace FontWeight {
enum Type : std::int32_t { Normal = 0, Bold = 1, Light = 2 };
} // namespace FontWeight

/// Slant of a measured font; any value other than `Italic` is upright.
namespace FontAngle {
enum Type : std::int32_t { Upright = 0, Italic = 1 };
} // namespace FontAngle

/// How a family name is matched to an installed family.
/// `Exact` keeps the name; `Screen` replaces the logical names ("SansSerif", "Serif",
/// "Monospaced", "Dialog", "DialogInput"); `Printer` and `Scalable` also replace well-known
/// names of other platforms, bitmap-only ones included, so the result always scales.
namespace FontMapMode {
enum Type : std::int32_t { Exact = 0, Screen = 1, Printer = 2, Scalable = 3 };
} // namespace FontMapMode

} // namespace VRIX
