// The application's style: the customised policies over the platform's base style.
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/CustomizedStyle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

#include <gtest/gtest.h>

using vxtest::runOnGuiThread;

namespace {

// Pixels of `image` that are not pure white.
int paintedPixels(const QImage& image)
{
    return vxtest::countPixels(image, [](QRgb p) { return p != qRgb(255, 255, 255); });
}

template <class Draw> QImage drawnOnWhite(Draw draw)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(&painter);
    return image;
}

// The binary runs at a display factor of 1.5 (see the application test) on the Fusion
// platform style.
TEST(StylePolicy, CustomisedFusionStyleScalesAndTruncatesToolBarMetricsOnly)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    ASSERT_DOUBLE_EQ(VRIX::dpiScale(), 1.5);
    ASSERT_TRUE(runOnGuiThread([] {
        auto* style = dynamic_cast<CustomizedStyle*>(QApplication::style());
        ASSERT_NE(style, nullptr);
        QStyle* base = TabCustomize::s_baseStyle;
        ASSERT_NE(base, nullptr);
        EXPECT_TRUE(base->inherits("QFusionStyle"));
        ASSERT_NE(style->baseStyle(), nullptr);
        EXPECT_TRUE(style->baseStyle()->inherits("QFusionStyle"));
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ToolBarIconSize), 24);
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ToolBarHandleExtent), 6);
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ToolBarItemMargin), 1); // 1.5 truncates to 1
        for (QStyle::PixelMetric metric : { QStyle::PM_ButtonMargin, QStyle::PM_ScrollBarExtent })
            EXPECT_EQ(style->pixelMetric(metric), base->pixelMetric(metric)) << metric;
    }));
}

TEST(StylePolicy, EmptyControlsAndHandlesDrawNothingToolBarsAreOverdrawnIconsBlended)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    ASSERT_TRUE(runOnGuiThread([] {
        QStyle* style = QApplication::style();
        QStyle* base = TabCustomize::s_baseStyle;
        QStyleOption option;
        option.rect = QRect(0, 0, 40, 40);
        option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        option.palette = QApplication::palette();
        const auto handle = [&](QStyle* s) {
            return paintedPixels(drawnOnWhite([&](QPainter* p) {
                s->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, p);
            }));
        };
        ASSERT_GT(handle(base), 0) << "the base style draws a handle";
        EXPECT_EQ(handle(style), 0);

        QStyleOptionButton button;
        button.rect = QRect(0, 0, 0, 30);
        button.palette = QApplication::palette();
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        EXPECT_EQ(paintedPixels(drawnOnWhite(
                      [&](QPainter* p) { style->drawControl(QStyle::CE_PushButton, &button, p); })),
            0);

        QStyleOptionToolBar bar;
        bar.rect = option.rect;
        bar.palette = option.palette;
        bar.state = option.state;
        const auto toolBar = [&](QStyle* s) {
            return drawnOnWhite([&](QPainter* p) { s->drawControl(QStyle::CE_ToolBar, &bar, p); });
        };
        EXPECT_NE(toolBar(style), toolBar(base)) << "the tool bar policy draws lines over the base";

        // A disabled icon lies between its colour and the window colour.
        QImage source(8, 8, QImage::Format_ARGB32);
        source.fill(qRgba(255, 0, 0, 255));
        source.setPixel(0, 0, qRgba(0, 0, 0, 0));
        const QImage disabled
            = style->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(source), &option)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(disabled.size(), source.size());
        const QRgb p = disabled.pixel(4, 4);
        EXPECT_EQ(qAlpha(p), 255);
        const QColor window = option.palette.color(QPalette::Window);
        EXPECT_TRUE(qRed(p) >= window.red() && qRed(p) < 255) << qRed(p);
        EXPECT_TRUE(qGreen(p) > 0 && qGreen(p) <= window.green()) << qGreen(p);
        EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);
    }));
}

} // namespace
