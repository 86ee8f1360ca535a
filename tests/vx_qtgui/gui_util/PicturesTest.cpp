// Compositor keys and layers, the density-aware loader and the pixmap table.
#include "tests/support/QStringPrinter.h"
#include "tests/vx_qtgui/gui_util/GuiUtilFixture.h"
#include "vrix/gui/ImageCompositor.h"
#include "vrix/gui/ImageCompositorManager.h"
#include "vrix/gui/PixmapLoading.h"
#include "vrix/services/ApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"
#include "vx_qtgui/GuiPixmapDB.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

#include <string>

namespace {

using GuiUtil::GuiPixmapDB;
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

// The installation root is the repository's resources/ tree unless a test changes it.
class TestApplicationContext : public VXServices::ApplicationContext {
public:
    void registerFeature(const char*, int, void (*)(int)) override { }
    bool isFeatureEnabled(const char*) override { return false; }
    const char* getPreferencesDirectory(bool) override { return ""; }
    const char* getRelease() override { return "test"; }
    const char* getRoot() override { return root.c_str(); }
    const char* getBinArchDir() override { return ""; }
    const char* getCharacterEncoding() override { return "UTF-8"; }

    std::string root;
};

TestApplicationContext* s_context = nullptr;

class ContextEnvironment : public testing::Environment {
    void SetUp() override
    {
        s_context = new TestApplicationContext;
        s_context->root = QStringLiteral(VX_TEST_RESOURCES_ROOT).toStdString();
        VXServices::VXService<VXServices::ApplicationContext>::install(s_context);
    }
    void TearDown() override { VXServices::ServiceRegistry::instance().clear(); }
};

testing::Environment* const s_environment
    = testing::AddGlobalTestEnvironment(new ContextEnvironment);

const QString kResources = QStringLiteral("toolbox/shared/orvidesk/resources/");

QImage argb(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

long long layerLoads()
{
    return IC::Manager::instance().layerLoads();
}

class PixmapTable : public GuiUtilFixture { };

TEST_F(PixmapTable, ResolvesRelativePathsBelowTheInstallationRoot)
{
    EXPECT_EQ(GuiPixmapDB::resolvePath("toolbox/a.png"), resourcesRoot() + "/toolbox/a.png");
    EXPECT_EQ(GuiPixmapDB::resolvePath(""), resourcesRoot() + "/" + kResources + "Default.png");
    EXPECT_EQ(GuiPixmapDB::resolvePath("/elsewhere/a.png"), "/elsewhere/a.png");
    const QString key = IC::buildKey("/elsewhere/a.png", false, true);
    EXPECT_EQ(GuiPixmapDB::resolvePath(key), key);
}

TEST_F(PixmapTable, LoadsTheSameRelativePathOnce)
{
    // A root of its own, so that no other test can have asked for the picture before.
    write("once.png", solid(5, 3, Qt::magenta));
    s_context->root = m_dir.path().toStdString();
    const long long before = layerLoads();
    const QPixmap first = GuiPixmapDB::getPixmapFromPath("once.png");
    const QPixmap second = GuiPixmapDB::getPixmapFromPath("once.png");
    const long long loads = layerLoads() - before;
    s_context->root = resourcesRoot().toStdString();

    EXPECT_EQ(loads, 1);
    EXPECT_EQ(first.size(), QSize(5, 3));
    EXPECT_EQ(first.cacheKey(), second.cacheKey());
}

TEST_F(PixmapTable, EmptyPathGivesTheDefaultPictureAndAMissingOneIsNullAndNotLookedForAgain)
{
    const QPixmap empty = GuiPixmapDB::getPixmapFromPath(QString());
    EXPECT_EQ(empty.cacheKey(), GuiPixmapDB::getDefaultPixmap().cacheKey());
    const QImage onDisk(resourcesRoot() + "/" + kResources + "Default.png");
    ASSERT_FALSE(onDisk.isNull());
    EXPECT_EQ(argb(empty), onDisk.convertToFormat(QImage::Format_ARGB32));
    EXPECT_FALSE(GuiPixmapDB::getIconFromPath("").isNull());

    const QString missing = kResources + "no-such-picture.png";
    EXPECT_TRUE(GuiPixmapDB::getPixmapFromPath(missing).isNull());
    const long long before = layerLoads();
    EXPECT_TRUE(GuiPixmapDB::getPixmapFromPath(missing).isNull());
    EXPECT_EQ(layerLoads(), before);
    EXPECT_TRUE(GuiPixmapDB::getIconFromPath(missing).isNull());
    EXPECT_TRUE(GuiPixmapDB::getIconFromPath(missing, Qt::white).isNull());
}

TEST_F(PixmapTable, ComposesAnEncodedKeyAndPrefersTheHighDensityFileOnAScaledDisplay)
{
    QImage badge = solid(2, 2, Qt::transparent);
    badge.setPixel(1, 1, qRgb(0, 0, 255));
    const QString base = write("key-base.png", solid(4, 4, Qt::green));
    const QString key
        = IC::buildKey(QStringList { base, write("key-badge.png", badge) }, false, false);
    const QImage composed = argb(GuiPixmapDB::getPixmapFromPath(key));
    ASSERT_EQ(composed.size(), QSize(4, 4));
    EXPECT_EQ(composed.pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(composed.pixel(3, 3), qRgb(0, 0, 255));

    const QString file = write("scaled.png", solid(4, 4, Qt::red));
    write("scaled@2x.png", solid(8, 8, Qt::blue));
    VRIX::setDpiScale(2.0);
    const QPixmap pixmap = GuiPixmapDB::getPixmapFromPath(file);
    EXPECT_EQ(pixmap.size(), QSize(8, 8));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(argb(pixmap).pixel(0, 0), qRgb(0, 0, 255));
}

TEST_F(PixmapTable, IconWithAColourMadeTransparentAndAPixmapWithOneColourConverted)
{
    QImage image = solid(4, 1, qRgb(255, 0, 0));
    image.setPixel(3, 0, qRgb(0, 0, 255));
    const QString file = write("keyed.png", image);
    const QImage shown
        = argb(GuiPixmapDB::getIconFromPath(file, QColor(255, 0, 0)).pixmap(QSize(4, 1)));
    ASSERT_EQ(shown.size(), QSize(4, 1));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(3, 0), qRgb(0, 0, 255));
    // The table's own pixmap keeps its colours.
    EXPECT_EQ(argb(GuiPixmapDB::getPixmapFromPath(file)).pixel(0, 0), qRgb(255, 0, 0));

    // Converting one colour clips the background and keeps each pixel's transparency. White
    // frame, red centre with one green pixel; red becomes blue.
    QImage framed = solid(5, 5, Qt::white);
    for (int y = 1; y < 4; ++y)
        for (int x = 1; x < 4; ++x)
            framed.setPixel(x, y, qRgb(255, 0, 0));
    framed.setPixel(2, 2, qRgb(0, 255, 0));
    const QImage converted = argb(GuiPixmapDB::convertPixmapColors(
        QPixmap::fromImage(framed), QColor(255, 0, 0), QColor(0, 0, 255)));
    EXPECT_EQ(converted.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(converted.pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(qAlpha(converted.pixel(0, 0)), 0);
    EXPECT_TRUE(GuiPixmapDB::convertPixmapColors(QPixmap(), Qt::red, Qt::blue).isNull());

    QImage faint = solid(3, 3, Qt::transparent);
    faint.setPixel(1, 1, qRgba(255, 0, 0, 128));
    faint.setPixel(2, 1, qRgba(0, 0, 0, 128));
    const QImage whitened = argb(GuiPixmapDB::convertPixmapColors(
        QPixmap::fromImage(faint), QColor(0, 0, 0), QColor(255, 255, 255)));
    // Transparent black stays transparent instead of turning into opaque white, and half
    // transparent black turns half transparent white.
    EXPECT_EQ(qAlpha(whitened.pixel(0, 0)), 0);
    EXPECT_NEAR(qAlpha(whitened.pixel(1, 1)), 128, 1);
    EXPECT_NEAR(qAlpha(whitened.pixel(2, 1)), 128, 1);
    EXPECT_EQ(qRed(whitened.pixel(2, 1)), 255);
}

// Every picture the toolkit asks for below the installation root.
const char* const kPictures[] = { "Default.png", "clearedit.png", "down_arrow.png",
    "right_arrow.png", "BrantolyModelIcon_24.png", "VelmarIcon.png", "ModelExplorer.png",
    "CloseTabButton-Unselected.png", "CloseTabButton-Selected.png", "CloseTabButton-Hovered.png",
    "CloseTabButton-Clicked.png", "expand.png", "collapse.png", "informer/back_on.png",
    "informer/back_on_disabled.png", "informer/forward_on.png", "informer/forward_on_disabled.png",
    "informer/home_on.png", "informer/home_off.png", "informer/pushpin_off.png",
    "informer/pushpin_on.png", "informer/down_on.png", "informer/down_off.png" };

TEST_F(PixmapTable, ResourcePicturesExistAtBothDensitiesAndLoadAsThemselves)
{
    for (const char* name : kPictures) {
        SCOPED_TRACE(name);
        const QString relative = kResources + QString::fromLatin1(name);
        const QString file = resourcesRoot() + "/" + relative;
        const QImage plain(file);
        ASSERT_FALSE(plain.isNull());
        EXPECT_EQ(QImage(file.left(file.size() - 4) + "@2x.png").size(), plain.size() * 2);
        EXPECT_TRUE(plain.hasAlphaChannel());
        const QPixmap pixmap = GuiPixmapDB::getPixmapFromPath(relative);
        ASSERT_FALSE(pixmap.isNull());
        if (relative != kResources + "Default.png") {
            EXPECT_NE(pixmap.cacheKey(), GuiPixmapDB::getDefaultPixmap().cacheKey());
        }
    }
}

} // namespace
