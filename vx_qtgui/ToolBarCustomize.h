#pragma once

#include <QStyle>

class QPainter;
class QStyleOption;
class QWidget;

/// Tool bar policy of PolicyBasedStyle: slim handle and margins, and lines drawn over the base
/// style's tool bar background. GUI thread.
class ToolBarCustomize {
public:
    /// Handle extent and item margin; true when the policy answers `metric`.
    static bool pixelMetric(QStyle::PixelMetric metric, int& value);
    /// Overdraws the tool bar the base style has just drawn.
    static void drawControl(QStyle::ControlElement element, const QStyleOption* option,
        QPainter* painter, const QWidget* widget);
};
