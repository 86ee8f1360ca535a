#pragma once

namespace ZG {

/// The metrics of a font that do not depend on the text, in the host's units.
struct FixedFontMetrics {
    double ascent = 0.0;
    double descent = 0.0;
    double height = 0.0;
    double lineSpacing = 0.0;
};

} // namespace ZG
