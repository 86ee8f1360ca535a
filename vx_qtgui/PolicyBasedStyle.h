#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOption>

#include <type_traits>

/// A proxy style that hands selected operations to three policies: icon size, tool bar and
/// tabs. `QProxyStyle` in a policy's place means "no customisation" for it. GUI thread.
template <class IconPolicy, class ToolBarPolicy, class TabPolicy>
class PolicyBasedStyle : public QProxyStyle {
public:
    /// Over the style of that name (the platform default when there is none of that name).
    explicit PolicyBasedStyle(const QString& baseStyle)
        : QProxyStyle(baseStyle)
    {
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override
    {
        if constexpr (customises<ToolBarPolicy>()) {
            // The bar's own lines replace the grip.
            if (element == PE_IndicatorToolBarHandle)
                return;
        }
        if constexpr (customises<TabPolicy>()) {
            if (element == PE_IndicatorTabClose) {
                TabPolicy::drawPrimitive(element, option, painter, widget);
                return;
            }
        }
        // Painters without an engine come from widgets that are being torn down.
        if (painter && painter->paintEngine())
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override
    {
        if (!option || option->rect.width() == 0 || option->rect.height() == 0)
            return;
        if constexpr (customises<ToolBarPolicy>()) {
            if (element == CE_ToolBar) {
                QProxyStyle::drawControl(element, option, painter, widget);
                ToolBarPolicy::drawControl(element, option, painter, widget);
                return;
            }
        }
        if (painter && painter->paintEngine())
            QProxyStyle::drawControl(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override
    {
        int value = 0;
        if constexpr (customises<ToolBarPolicy>()) {
            if (ToolBarPolicy::pixelMetric(metric, value))
                return value;
        }
        if constexpr (customises<IconPolicy>()) {
            if (IconPolicy::pixelMetric(metric, value))
                return value;
        }
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QPixmap generatedIconPixmap(
        QIcon::Mode mode, const QPixmap& pixmap, const QStyleOption* option) const override
    {
        if (!customisesAny() || mode != QIcon::Disabled || pixmap.isNull())
            return QProxyStyle::generatedIconPixmap(mode, pixmap, option);
        // Halfway to the window colour reads as disabled on light and dark palettes alike.
        const QColor blend = (option ? option->palette : QPalette()).color(QPalette::Window);
        QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = line[x];
                line[x] = qRgba((qRed(p) + blend.red()) / 2, (qGreen(p) + blend.green()) / 2,
                    (qBlue(p) + blend.blue()) / 2, qAlpha(p));
            }
        }
        QPixmap result = QPixmap::fromImage(image);
        result.setDevicePixelRatio(pixmap.devicePixelRatio());
        return result;
    }

private:
    template <class Policy> static constexpr bool customises()
    {
        return !std::is_same<Policy, QProxyStyle>::value;
    }
    static constexpr bool customisesAny()
    {
        return customises<IconPolicy>() || customises<ToolBarPolicy>() || customises<TabPolicy>();
    }
};
