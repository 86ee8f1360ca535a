// The application's style: the customised policies over the platform's base style.
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

class StylePolicy : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(vxtest::bridge(), nullptr); }
};

// Pixels of `image` that are not pure white.
int paintedPixels(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) != qRgb(255, 255, 255);
    return count;
}

template <class Draw> QImage drawnOnWhite(Draw draw)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(&painter);
    painter.end();
    return image;
}

TEST_F(StylePolicy, FusionPlatformGetsTheCustomisedStyle)
{
    ASSERT_TRUE(runOnGuiThread([] {
        auto* style = dynamic_cast<CustomizedStyle*>(QApplication::style());
        ASSERT_NE(style, nullptr);
        ASSERT_NE(style->baseStyle(), nullptr);
        EXPECT_TRUE(style->baseStyle()->inherits("QFusionStyle"));
        ASSERT_NE(TabCustomize::s_baseStyle, nullptr);
        EXPECT_TRUE(TabCustomize::s_baseStyle->inherits("QFusionStyle"));
    }));
}

TEST_F(StylePolicy, ToolBarMetricsAreScaledAndTruncated)
{
    // The binary runs at a display factor of 1.5 (see the screen services test).
    ASSERT_DOUBLE_EQ(VRIX::dpiScale(), 1.5);
    ASSERT_TRUE(runOnGuiThread([] {
        QStyle* style = QApplication::style();
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ToolBarIconSize), 24);
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ToolBarHandleExtent), 6);
        // 1.5 truncates to 1.
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ToolBarItemMargin), 1);
        QStyle* base = TabCustomize::s_baseStyle;
        ASSERT_NE(base, nullptr);
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ButtonMargin),
            base->pixelMetric(QStyle::PM_ButtonMargin));
        EXPECT_EQ(style->pixelMetric(QStyle::PM_ScrollBarExtent),
            base->pixelMetric(QStyle::PM_ScrollBarExtent));
    }));
}

TEST_F(StylePolicy, EmptyControlsAndToolBarHandlesDrawNothingAndToolBarsAreOverdrawn)
{
    ASSERT_TRUE(runOnGuiThread([] {
        QStyleOption option;
        option.rect = QRect(0, 0, 40, 40);
        option.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        option.palette = QApplication::palette();
        const QImage base = drawnOnWhite([&](QPainter* p) {
            TabCustomize::s_baseStyle->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, p);
        });
        ASSERT_GT(paintedPixels(base), 0) << "the base style draws a handle";
        const QImage handle = drawnOnWhite([&](QPainter* p) {
            QApplication::style()->drawPrimitive(QStyle::PE_IndicatorToolBarHandle, &option, p);
        });
        EXPECT_EQ(paintedPixels(handle), 0);

        QStyleOptionButton button;
        button.rect = QRect(0, 0, 0, 30);
        button.palette = QApplication::palette();
        button.state = QStyle::State_Enabled | QStyle::State_Raised;
        const QImage empty = drawnOnWhite([&](QPainter* p) {
            QApplication::style()->drawControl(QStyle::CE_PushButton, &button, p);
        });
        EXPECT_EQ(paintedPixels(empty), 0);

        QStyleOptionToolBar bar;
        bar.rect = QRect(0, 0, 40, 40);
        bar.palette = QApplication::palette();
        bar.state = QStyle::State_Enabled | QStyle::State_Horizontal;
        const QImage plain = drawnOnWhite([&](QPainter* p) {
            TabCustomize::s_baseStyle->drawControl(QStyle::CE_ToolBar, &bar, p);
        });
        const QImage ours = drawnOnWhite(
            [&](QPainter* p) { QApplication::style()->drawControl(QStyle::CE_ToolBar, &bar, p); });
        EXPECT_NE(ours, plain) << "the tool bar policy draws its lines over the base";
    }));
}

TEST_F(StylePolicy, DisabledIconsAreBlendedTowardsTheWindowColour)
{
    ASSERT_TRUE(runOnGuiThread([] {
        QImage source(8, 8, QImage::Format_ARGB32);
        source.fill(qRgba(255, 0, 0, 255));
        source.setPixel(0, 0, qRgba(0, 0, 0, 0));
        QStyleOption option;
        option.palette = QApplication::palette();
        const QImage disabled
            = QApplication::style()
                  ->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(source), &option)
                  .toImage()
                  .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(disabled.size(), source.size());
        const QRgb p = disabled.pixel(4, 4);
        EXPECT_EQ(qAlpha(p), 255);
        EXPECT_NE(p, qRgba(255, 0, 0, 255));
        // Between red and the window colour.
        const QColor window = option.palette.color(QPalette::Window);
        EXPECT_GE(qRed(p), window.red());
        EXPECT_LE(qGreen(p), window.green());
        EXPECT_EQ(qAlpha(disabled.pixel(0, 0)), 0);
    }));
}

} // namespace
