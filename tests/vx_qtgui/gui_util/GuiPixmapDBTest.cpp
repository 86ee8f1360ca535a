#include "vx_qtgui/GuiPixmapDB.h"

#include "tests/support/QStringPrinter.h"
#include "tests/vx_qtgui/gui_util/PictureFiles.h"
#include "tests/vx_qtgui/gui_util/TestApplicationContext.h"
#include "vrix/DpiScaling.h"
#include "vrix/gui/ImageCompositor.h"
#include "vrix/gui/ImageCompositorManager.h"
#include "vrix/services/ServiceRegistry.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

using GuiUtil::GuiPixmapDB;

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

long long layerLoads()
{
    return VRIX::ImageCompositor::Manager::instance().layerLoads();
}

class PixmapTable : public PictureTest { };

TEST_F(PixmapTable, ResolvesRelativePathsBelowTheInstallationRoot)
{
    EXPECT_EQ(GuiPixmapDB::resolvePath("toolbox/a.png"), testResourcesRoot() + "/toolbox/a.png");
    EXPECT_EQ(GuiPixmapDB::resolvePath(""),
        testResourcesRoot() + "/toolbox/shared/orvidesk/resources/Default.png");
    EXPECT_EQ(GuiPixmapDB::resolvePath("/elsewhere/a.png"), "/elsewhere/a.png");
    const QString key = VRIX::ImageCompositor::buildKey("/elsewhere/a.png", false, true);
    EXPECT_EQ(GuiPixmapDB::resolvePath(key), key);
}

TEST_F(PixmapTable, LoadsTheSameRelativePathOnce)
{
    // A root of its own, so that no other test can have asked for the picture before.
    auto* context = dynamic_cast<TestApplicationContext*>(
        VXServices::VXService<VXServices::ApplicationContext>::get());
    ASSERT_NE(context, nullptr);
    m_files.write("once.png", PictureFiles::solid(5, 3, Qt::magenta));
    context->setRoot(m_files.directory().toStdString());

    const long long before = layerLoads();
    const QPixmap first = GuiPixmapDB::getPixmapFromPath("once.png");
    const QPixmap second = GuiPixmapDB::getPixmapFromPath("once.png");
    const long long loads = layerLoads() - before;
    context->setRoot(testResourcesRoot().toStdString());

    EXPECT_EQ(loads, 1);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.size(), QSize(5, 3));
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
}

TEST_F(PixmapTable, EmptyPathGivesTheDefaultPicture)
{
    const QPixmap empty = GuiPixmapDB::getPixmapFromPath(QString());
    ASSERT_FALSE(empty.isNull());
    EXPECT_EQ(empty.cacheKey(), GuiPixmapDB::getDefaultPixmap().cacheKey());
    const QImage onDisk(testResourcesRoot() + "/toolbox/shared/orvidesk/resources/Default.png");
    ASSERT_FALSE(onDisk.isNull());
    EXPECT_EQ(argb(empty), onDisk.convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(GuiPixmapDB::getIconFromPath("").isNull());
}

TEST_F(PixmapTable, MissingPictureIsNullAndNotLookedForAgain)
{
    const QString path = "toolbox/shared/orvidesk/resources/no-such-picture.png";
    EXPECT_TRUE(GuiPixmapDB::getPixmapFromPath(path).isNull());
    const long long before = layerLoads();
    EXPECT_TRUE(GuiPixmapDB::getPixmapFromPath(path).isNull());
    EXPECT_EQ(layerLoads(), before);
    EXPECT_TRUE(GuiPixmapDB::getIconFromPath(path).isNull());
    EXPECT_TRUE(GuiPixmapDB::getIconFromPath(path, Qt::white).isNull());
}

TEST_F(PixmapTable, ComposesAnEncodedKey)
{
    QImage badge(2, 2, QImage::Format_ARGB32);
    badge.fill(Qt::transparent);
    badge.setPixel(1, 1, qRgb(0, 0, 255));
    const QString base = m_files.write("key-base.png", PictureFiles::solid(4, 4, Qt::green));
    const QString over = m_files.write("key-badge.png", badge);
    const QString key = VRIX::ImageCompositor::buildKey(QStringList { base, over }, false, false);

    const QImage composed = argb(GuiPixmapDB::getPixmapFromPath(key));
    ASSERT_EQ(composed.size(), QSize(4, 4));
    EXPECT_EQ(composed.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(composed.pixel(3, 3), qRgb(0, 0, 255));
}

TEST_F(PixmapTable, PrefersTheHighDensityFileOnAScaledDisplay)
{
    const QString file = m_files.write("scaled.png", PictureFiles::solid(4, 4, Qt::red));
    m_files.write("scaled@2x.png", PictureFiles::solid(8, 8, Qt::blue));
    VRIX::setDpiScale(2.0);
    const QPixmap pixmap = GuiPixmapDB::getPixmapFromPath(file);
    EXPECT_EQ(pixmap.size(), QSize(8, 8));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(argb(pixmap).pixel(0, 0), qRgb(0, 0, 255));
}

// Absolute paths are used as given.
TEST_F(PixmapTable, IconWithAColourMadeTransparent)
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.fill(qRgb(255, 0, 0));
    image.setPixel(3, 0, qRgb(0, 0, 255));
    const QString file = m_files.write("keyed.png", image);

    const QIcon icon = GuiPixmapDB::getIconFromPath(file, QColor(255, 0, 0));
    const QImage shown = argb(icon.pixmap(QSize(4, 1)));
    ASSERT_EQ(shown.size(), QSize(4, 1));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(3, 0), qRgb(0, 0, 255));
    // The table's own pixmap keeps its colours.
    EXPECT_EQ(argb(GuiPixmapDB::getPixmapFromPath(file)).pixel(0, 0), qRgb(255, 0, 0));
}

TEST_F(PixmapTable, ConvertsOneColourClipsTheBackgroundAndKeepsEachPixelsTransparency)
{
    // White frame, red centre with one green pixel; red becomes blue.
    QImage image(5, 5, QImage::Format_ARGB32);
    image.fill(Qt::white);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    image.setPixel(2, 2, qRgb(0, 255, 0));

    const QImage converted = argb(GuiPixmapDB::convertPixmapColors(
        QPixmap::fromImage(image), QColor(255, 0, 0), QColor(0, 0, 255)));
    EXPECT_EQ(converted.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(converted.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(qAlpha(converted.pixel(0, 0)), 0);
    EXPECT_TRUE(GuiPixmapDB::convertPixmapColors(QPixmap(), Qt::red, Qt::blue).isNull());

    QImage faint(3, 3, QImage::Format_ARGB32);
    faint.fill(qRgba(0, 0, 0, 0));
    faint.setPixel(1, 1, qRgba(255, 0, 0, 128));
    const QImage whitened = argb(GuiPixmapDB::convertPixmapColors(
        QPixmap::fromImage(faint), QColor(0, 0, 0), QColor(255, 255, 255)));
    // Transparent black stays transparent instead of turning into opaque white.
    EXPECT_EQ(qAlpha(whitened.pixel(0, 0)), 0);
    EXPECT_NEAR(qAlpha(whitened.pixel(1, 1)), 128, 1);
}

} // namespace
