#pragma once

namespace ZG {

/// Width and height of a measured text, in the host's units.
struct TextExtents {
    double width = 0.0;
    double height = 0.0;
};

} // namespace ZG
