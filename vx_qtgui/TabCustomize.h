#pragma once

#include <QStyle>

class QPainter;
class QString;
class QStyleOption;
class QWidget;

/// Tab policy of PolicyBasedStyle: draws the tab close indicator from the installation's
/// pictures, everything else of tabs with a plain style of the base kind. GUI thread.
class TabCustomize {
public:
    /// The process-wide plain style of the base kind; null until ensureBaseStyle.
    static QStyle* s_baseStyle;

    /// Creates s_baseStyle from `styleName` unless it exists; it is deleted at exit.
    static void ensureBaseStyle(const QString& styleName);
    /// Draws PE_IndicatorTabClose; other elements go to the base style.
    static void drawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
        QPainter* painter, const QWidget* widget);
};
