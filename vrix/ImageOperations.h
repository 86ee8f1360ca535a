#pragma once

namespace VRIX {

/// What the image-clipboard service does with an image file.
enum class ClipboardOperation { Copy = 0, Paste = 1 };

/// How the image-rotation service turns an image file.
enum class RotateOperation { Clockwise90 = 0, CounterClockwise90 = 1, Rotate180 = 2 };

} // namespace VRIX
