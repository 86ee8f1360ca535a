#pragma once

#include "vrix/FontEnums.h"

#include <string>

namespace VRIX {

/// The family to ask the system for when `name` is wanted in `mode`: a generic family
/// ("sans-serif", "serif", "monospace") for logical and foreign names, which the system's
/// font configuration resolves to an installed scalable face; any other name unchanged, the
/// system substituting it when it is not installed. Names match without regard to ASCII
/// case. A null or empty name gives "sans-serif" except in `Exact` mode, where it gives "".
/// Mode values outside the enumeration act as `Scalable`. Any thread.
std::string getClosestScaleableFontName(const char* name, FontMapMode::Type mode);

} // namespace VRIX
