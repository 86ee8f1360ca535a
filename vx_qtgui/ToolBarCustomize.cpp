#include "vx_qtgui/ToolBarCustomize.h"

#include "vrix/DpiScaling.h"

#include <QColor>
#include <QPainter>
#include <QPalette>
#include <QStyleOption>

bool ToolBarCustomize::pixelMetric(QStyle::PixelMetric metric, int& value)
{
    // Scaled once: the factor is fixed at start-up.
    static const int handleExtent = static_cast<int>(4 * VRIX::dpiScale());
    static const int itemMargin = static_cast<int>(1 * VRIX::dpiScale());
    switch (metric) {
    case QStyle::PM_ToolBarHandleExtent:
        value = handleExtent;
        return true;
    case QStyle::PM_ToolBarItemMargin:
        value = itemMargin;
        return true;
    default:
        return false;
    }
}

void ToolBarCustomize::drawControl(
    QStyle::ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget*)
{
    if (element != QStyle::CE_ToolBar || !option || !painter || option->rect.isEmpty())
        return;
    // A light line along the top and a darker one along the bottom set the bar off from the
    // window content, whatever the base style painted.
    const QRect r = option->rect;
    const QColor window = option->palette.color(QPalette::Window);
    painter->save();
    painter->setPen(window.lighter(115));
    painter->drawLine(r.topLeft(), r.topRight());
    painter->setPen(window.darker(125));
    painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
}
