#include "vx_qtgui/GuiUtil.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

struct PixelCase {
    int r, g, b;
    bool grey;
};

class GreyPixel : public ::testing::TestWithParam<PixelCase> { };

TEST_P(GreyPixel, RedWithinFourOfGreenAndBlue)
{
    const PixelCase& c = GetParam();
    EXPECT_EQ(GuiUtil::isGrayscale(qRgb(c.r, c.g, c.b)), c.grey)
        << "rgb(" << c.r << "," << c.g << "," << c.b << ")";
}

INSTANTIATE_TEST_SUITE_P(Boundaries, GreyPixel,
    ::testing::Values(PixelCase { 100, 100, 100, true }, PixelCase { 104, 100, 100, true },
        PixelCase { 105, 100, 100, false }, PixelCase { 96, 100, 100, true },
        PixelCase { 95, 100, 100, false }, PixelCase { 100, 105, 100, false },
        PixelCase { 100, 100, 95, false },
        // Only red is measured: green and blue may lie 8 apart.
        PixelCase { 100, 104, 96, true }, PixelCase { 0, 0, 0, true },
        PixelCase { 255, 255, 255, true }, PixelCase { 255, 0, 0, false }));

TEST(GreyImage, WithoutPixelsIsGreyAndOneColouredPixelIsEnough)
{
    EXPECT_TRUE(GuiUtil::isGrayscale(QImage()));
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    EXPECT_TRUE(GuiUtil::isGrayscale(image));
    image.setPixel(2, 2, qRgb(90, 90, 200));
    EXPECT_FALSE(GuiUtil::isGrayscale(image));
}

// A 5 × 5 picture: a one-pixel frame of `frame` around a 3 × 3 centre of `centre`, with the
// middle pixel `middle`.
QPixmap framedPicture(QRgb frame, QRgb centre, QRgb middle)
{
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(frame);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x)
            image.setPixel(x, y, centre);
    image.setPixel(2, 2, middle);
    return QPixmap::fromImage(image);
}

TEST(GreyConversion, WeightsTheChannelsMasksTheBackgroundAndKeepsANullPixmapNull)
{
    // (5·50 + 16·100 + 11·200) / 32 = 126; (5·30 + 16·20 + 11·10) / 32 = 18.
    const QImage result = GuiUtil::convertPixmapToGrayscale(
        framedPicture(qRgb(0, 0, 255), qRgb(200, 100, 50), qRgb(10, 20, 30)))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(result.size(), QSize(5, 5));
    EXPECT_EQ(result.pixel(1, 1), qRgba(126, 126, 126, 255));
    EXPECT_EQ(result.pixel(2, 2), qRgba(18, 18, 18, 255));
    // The frame is the background the heuristic mask clips away.
    EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(result.pixel(4, 2)), 0);
    EXPECT_TRUE(GuiUtil::convertPixmapToGrayscale(QPixmap()).isNull());
}

TEST(GreyConversion, LightensDarkTonesOfAPictureThatWasGreyAlready)
{
    // Frame 250 stays; 100 is lifted to 230; 124 to 254; 125 is not lifted.
    const QImage lifted = GuiUtil::convertPixmapToGrayscale(
        framedPicture(qRgb(250, 250, 250), qRgb(100, 100, 100), qRgb(124, 124, 124)))
                              .toImage()
                              .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(lifted.pixel(1, 1), qRgba(230, 230, 230, 255));
    EXPECT_EQ(lifted.pixel(2, 2), qRgba(254, 254, 254, 255));
    EXPECT_EQ(qAlpha(lifted.pixel(0, 0)), 0);

    const QImage edge = GuiUtil::convertPixmapToGrayscale(
        framedPicture(qRgb(250, 250, 250), qRgb(125, 125, 125), qRgb(125, 125, 125)))
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(edge.pixel(2, 2), qRgba(125, 125, 125, 255));
}

} // namespace
