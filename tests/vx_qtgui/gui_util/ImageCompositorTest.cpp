#include "vrix/gui/ImageCompositor.h"
#include "vrix/gui/ImageCompositorManager.h"
#include "vrix/gui/PixmapLoading.h"

#include "tests/support/QStringPrinter.h"
#include "tests/vx_qtgui/gui_util/GuiUtilFixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace IC = VRIX::ImageCompositor;

TEST(CompositorKey, BuildsAndDecodesLayeredKeysAndTellsThemFromPlainPaths)
{
    EXPECT_EQ(IC::buildKey("/a/b.png", true, false), "vxic:d:/a/b.png");
    EXPECT_EQ(IC::buildKey("/a/b.png", false, false), "vxic::/a/b.png");

    const QString key = IC::buildKey(QStringList { "/x|y%z.png", "", "/over.png" }, true, true);
    EXPECT_EQ(key, "vxic:dg:/x%7Cy%25z.png|/over.png");
    IC::Key decoded;
    ASSERT_TRUE(IC::decodeKey(key, decoded));
    EXPECT_EQ(decoded.layers, (QStringList { "/x|y%z.png", "/over.png" }));
    EXPECT_TRUE(decoded.dpiAware);
    EXPECT_TRUE(decoded.grey);

    // A key is its own key; an escape we never write is part of the path.
    EXPECT_EQ(IC::buildKey(key, true, false), key);
    ASSERT_TRUE(IC::decodeKey("vxic::/a%41.png", decoded));
    EXPECT_EQ(decoded.layers, QStringList { "/a%41.png" });

    // Plain paths and malformed keys are not keys, and decoding them changes nothing.
    for (const char* text : { "", "/a/b.png", "toolbox/a.png", "vxic:", "vxic::", "vxic:d:|",
             "vxic:x:/a.png", "vxic:gd:/a.png", "vxic:d", "VXIC:d:/a.png" })
        EXPECT_FALSE(IC::isEncodedKey(QString::fromLatin1(text))) << text;
    EXPECT_TRUE(IC::isEncodedKey("vxic:g:relative.png"));

    IC::Key untouched;
    untouched.layers = QStringList { "kept" };
    EXPECT_FALSE(IC::decodeKey("/a/b.png", untouched));
    EXPECT_EQ(untouched.layers, QStringList { "kept" });

    // The high-density twin's tag goes before the suffix of the file name.
    EXPECT_EQ(VRIX::highDensityPath("/a/icon.png"), "/a/icon@2x.png");
    EXPECT_EQ(VRIX::highDensityPath("/a.d/icon"), "/a.d/icon@2x");
    EXPECT_EQ(VRIX::highDensityPath("/a/.hidden"), "/a/.hidden@2x");
    EXPECT_EQ(VRIX::highDensityPath("pack.tar.gz"), "pack.tar@2x.gz");
}

// A red 4 × 4 picture with a green 8 × 8 twin.
class Compositor : public GuiUtilFixture {
protected:
    void SetUp() override
    {
        GuiUtilFixture::SetUp();
        write("pic@2x.png", solid(8, 8, Qt::green));
        ASSERT_FALSE(m_plain.isEmpty());
    }

    const QString m_plain = write("pic.png", solid(4, 4, Qt::red));
};

TEST_F(Compositor, LoaderPrefersTheHighDensityTwinAboveScaleOneAndReadsOneAtRatioTwo)
{
    // Without a twin the plain file is used as it is; an explicit one is read at ratio two.
    const struct {
        double scale;
        QString file;
        int side;
        qreal ratio;
        QRgb colour;
    } loads[]
        = { { 1.0, m_plain, 4, 1.0, qRgb(255, 0, 0) }, { 1.5, m_plain, 8, 2.0, qRgb(0, 255, 0) },
              { 1.5, write("lonely.png", solid(4, 4, Qt::blue)), 4, 1.0, qRgb(0, 0, 255) },
              { 1.0, path("pic@2x.png"), 8, 2.0, qRgb(0, 255, 0) } };
    for (const auto& row : loads) {
        SCOPED_TRACE(row.file.toStdString() + " at " + std::to_string(row.scale));
        VRIX::setDpiScale(row.scale);
        const QPixmap pixmap = VRIX::loadDpiScaledPixmap(row.file);
        EXPECT_EQ(pixmap.size(), QSize(row.side, row.side));
        EXPECT_EQ(pixmap.devicePixelRatio(), row.ratio);
        EXPECT_EQ(pixmap.toImage().pixel(0, 0), row.colour);
    }
    EXPECT_TRUE(VRIX::loadDpiScaledPixmap(QString()).isNull());
    EXPECT_TRUE(VRIX::loadDpiScaledPixmap(path("absent.png")).isNull());
}

TEST_F(Compositor, NodeMakesItsPixmapOnFirstUseAndKeepsItAndNothingLoadableGivesNoData)
{
    VRIX::Holder<IC::Node> node = IC::Manager::instance().getImage(m_plain);
    ASSERT_TRUE(node);
    EXPECT_EQ(node->key(), m_plain);
    EXPECT_TRUE(node->hasImageData());
    EXPECT_FALSE(node->hasPixmap());

    const qint64 first = node->pixmap().cacheKey();
    EXPECT_TRUE(node->hasPixmap());
    EXPECT_EQ(node->pixmap().cacheKey(), first);
    EXPECT_EQ(node->cachedPixmap().cacheKey(), first);

    node->releasePixmap();
    EXPECT_FALSE(node->hasPixmap());
    EXPECT_TRUE(node->hasImageData());
    EXPECT_EQ(node->pixmap().size(), QSize(4, 4));

    // A key of nothing loadable gives a node without data.
    const long long before = IC::Manager::instance().layerLoads();
    VRIX::Holder<IC::Node> absent = IC::Manager::instance().getImage(path("absent.png"));
    ASSERT_TRUE(absent);
    EXPECT_EQ(IC::Manager::instance().layerLoads() - before, 1);
    EXPECT_FALSE(absent->hasImageData());
    EXPECT_TRUE(absent->pixmap().isNull());
    EXPECT_TRUE(absent->doCreatePixmap().isNull());
}

TEST_F(Compositor, LayersAreDrawnOverTheFirstAtItsSizeAndFlagsChooseDensityAndGrey)
{
    QImage badge = solid(2, 2, Qt::transparent);
    badge.setPixel(0, 0, qRgb(0, 0, 255));
    const QStringList layers { m_plain, path("absent.png"), write("badge.png", badge) };
    const QImage image = IC::Manager::instance()
                             .getImage(IC::buildKey(layers, false, false))
                             ->image()
                             .convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(4, 4));
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 255));
    // Scaled up smoothly: the badge pixel reaches into the next one.
    EXPECT_GT(qBlue(image.pixel(1, 1)), 0);
    EXPECT_EQ(image.pixel(3, 3), qRgb(255, 0, 0));

    // The key's flags choose the density and grey tones.
    VRIX::setDpiScale(2.0);
    auto& manager = IC::Manager::instance();
    EXPECT_EQ(manager.getImage(IC::buildKey(m_plain, true, false))->image().size(), QSize(8, 8));
    EXPECT_EQ(manager.getImage(IC::buildKey(m_plain, false, false))->image().size(), QSize(4, 4));

    QImage halfRed(2, 1, QImage::Format_ARGB32);
    halfRed.setPixel(0, 0, qRgba(255, 0, 0, 255));
    halfRed.setPixel(1, 0, qRgba(255, 0, 0, 128));
    const QString file = write("halfred.png", halfRed);
    const QImage grey = manager.getImage(IC::buildKey(file, false, true))
                            ->image()
                            .convertToFormat(QImage::Format_ARGB32);
    const int tone = qGray(qRgb(255, 0, 0));
    EXPECT_EQ(grey.pixel(0, 0), qRgb(tone, tone, tone));
    EXPECT_NEAR(qAlpha(grey.pixel(1, 0)), 128, 1);
    EXPECT_NEAR(qRed(grey.pixel(1, 0)), tone, 2);
}

} // namespace
