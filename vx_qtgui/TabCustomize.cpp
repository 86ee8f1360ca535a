#include "vx_qtgui/TabCustomize.h"

#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiUtil.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <cstdlib>

QStyle* TabCustomize::s_baseStyle = nullptr;

namespace {

void deleteBaseStyle()
{
    delete TabCustomize::s_baseStyle;
    TabCustomize::s_baseStyle = nullptr;
}

QPixmap closeButtonPixmap(const char* state)
{
    return VRIX::loadDpiScaledPixmap(GuiUtil::installationPath(
        QStringLiteral("toolbox/shared/orvidesk/resources/CloseTabButton-%1.png")
            .arg(QLatin1String(state))));
}

// One icon per process: its modes hold the four looks of the close button.
const QIcon& closeButtonIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        i.addPixmap(closeButtonPixmap("Unselected"), QIcon::Normal, QIcon::Off);
        i.addPixmap(closeButtonPixmap("Selected"), QIcon::Normal, QIcon::On);
        i.addPixmap(closeButtonPixmap("Hovered"), QIcon::Active, QIcon::Off);
        i.addPixmap(closeButtonPixmap("Clicked"), QIcon::Active, QIcon::On);
        return i;
    }();
    return icon;
}

} // namespace

void TabCustomize::ensureBaseStyle(const QString& styleName)
{
    if (s_baseStyle)
        return;
    s_baseStyle = QStyleFactory::create(styleName);
    if (s_baseStyle)
        std::atexit(deleteBaseStyle);
}

void TabCustomize::drawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget)
{
    if (!option || !painter)
        return;
    if (element != QStyle::PE_IndicatorTabClose) {
        if (s_baseStyle)
            s_baseStyle->drawPrimitive(element, option, painter, widget);
        return;
    }
    const QStyle::State state = option->state;
    const bool hovered = state & QStyle::State_MouseOver;
    const bool pressed = state & QStyle::State_Sunken;
    const bool selected = state & QStyle::State_Selected;
    const QIcon::Mode mode = (hovered || pressed) ? QIcon::Active : QIcon::Normal;
    const QIcon::State on = (pressed || (!hovered && selected)) ? QIcon::On : QIcon::Off;
    const QIcon& icon = closeButtonIcon();
    if (icon.isNull()) {
        // Without the pictures the plain style still shows a close button.
        if (s_baseStyle)
            s_baseStyle->drawPrimitive(element, option, painter, widget);
        return;
    }
    icon.paint(painter, option->rect, Qt::AlignCenter, mode, on);
}
