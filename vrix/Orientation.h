#pragma once

namespace VRIX {

/// Direction of splitters and similar containers; readers treat any non-zero value as vertical.
enum Orientation : int { Horizontal = 0, Vertical = 1 };

} // namespace VRIX
