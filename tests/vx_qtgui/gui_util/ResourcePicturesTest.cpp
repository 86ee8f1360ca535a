#include "vx_qtgui/GuiPixmapDB.h"

#include "tests/support/QStringPrinter.h"
#include "tests/vx_qtgui/gui_util/PictureFiles.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

// Every picture the toolkit asks for below the installation root.
const char* const kPictures[] = {
    "Default.png",
    "clearedit.png",
    "down_arrow.png",
    "right_arrow.png",
    "BrantolyModelIcon_24.png",
    "VelmarIcon.png",
    "ModelExplorer.png",
    "CloseTabButton-Unselected.png",
    "CloseTabButton-Selected.png",
    "CloseTabButton-Hovered.png",
    "CloseTabButton-Clicked.png",
    "expand.png",
    "collapse.png",
    "informer/back_on.png",
    "informer/back_on_disabled.png",
    "informer/forward_on.png",
    "informer/forward_on_disabled.png",
    "informer/home_on.png",
    "informer/home_off.png",
    "informer/pushpin_off.png",
    "informer/pushpin_on.png",
    "informer/down_on.png",
    "informer/down_off.png",
};

class ResourcePicture : public DpiScaleTest, public ::testing::WithParamInterface<const char*> { };

TEST_P(ResourcePicture, ExistsAtBothDensitiesAndLoadsThroughThePixmapTableAsItself)
{
    const QString relative = "toolbox/shared/orvidesk/resources/" + QString::fromLatin1(GetParam());
    const QString path = testResourcesRoot() + "/" + relative;
    const QImage plain(path);
    ASSERT_FALSE(plain.isNull()) << path.toStdString();
    const QImage dense(path.left(path.size() - 4) + "@2x.png");
    ASSERT_FALSE(dense.isNull()) << "no @2x twin of " << path.toStdString();
    EXPECT_EQ(dense.size(), plain.size() * 2);
    EXPECT_TRUE(plain.hasAlphaChannel());

    const QPixmap pixmap = GuiUtil::GuiPixmapDB::getPixmapFromPath(relative);
    ASSERT_FALSE(pixmap.isNull());
    if (QString::fromLatin1(GetParam()) != "Default.png") {
        EXPECT_NE(pixmap.cacheKey(), GuiUtil::GuiPixmapDB::getDefaultPixmap().cacheKey());
    }
}

INSTANTIATE_TEST_SUITE_P(Installation, ResourcePicture, ::testing::ValuesIn(kPictures));

} // namespace
