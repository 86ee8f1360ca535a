#pragma once

#include "vrix/DpiScaling.h"

#include <QStyle>

/// Icon-size policy of PolicyBasedStyle: tool bar icons are `Size` units, display-scaled.
/// GUI thread.
template <int Size> class ForceIconSize {
public:
    /// True when the policy answers `metric`; the value then is in `value`.
    static bool pixelMetric(QStyle::PixelMetric metric, int& value)
    {
        if (metric != QStyle::PM_ToolBarIconSize)
            return false;
        // Scaled once: the factor is fixed at start-up and styles ask for metrics very often.
        static const int scaled = static_cast<int>(Size * VRIX::dpiScale());
        value = scaled;
        return true;
    }
};
