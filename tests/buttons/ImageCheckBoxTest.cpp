// The image check box: a press on its arrow folds or unfolds it and reports the new state;
// setToggled() changes the picture quietly.
#include "engine/VXImageCheckBox.h"
#include "host/Host.h"
#include "tests/support/WidgetTest.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiImageCheckBox.h"
#include "vx_qtgui/GuiUtil.h"

#include <QLabel>

using namespace testing;
using namespace vxtest;

namespace {

QImage arrowPicture(const char* name)
{
    return VRIX::loadDpiScaledPixmap(
        GuiUtil::installationPath(QStringLiteral("toolbox/shared/orvidesk/resources/") + name))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

class ImageCheckBoxTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_box = own(bridge()->createImageCheckBox(nullptr, "Details"));
        m_box->addEventListener(&m_toggles, CheckBoxToggleEvent);
        m_box->setTitle(u"Details");
        ASSERT_TRUE(runOnGuiThread([this] {
            widget()->resize(160, 24); // the proxy has no geometry operations
            widget()->show();
        }));
    }

    GuiImageCheckBox* widget() { return widgetOf<GuiImageCheckBox>(m_box); }

    QImage shownArrow()
    {
        QImage shown;
        EXPECT_TRUE(runOnGuiThread([&] {
            shown = widget()
                        ->arrowLabel()
                        ->pixmap(Qt::ReturnByValue)
                        .toImage()
                        .convertToFormat(QImage::Format_ARGB32);
        }));
        return shown;
    }

    void pressArrow()
    {
        ASSERT_TRUE(runOnGuiThread([this] {
            QTest::mousePress(widget()->arrowLabel(), Qt::LeftButton);
            QTest::mouseRelease(widget()->arrowLabel(), Qt::LeftButton);
        }));
    }

    EventLog m_toggles;
    VXImageCheckBox* m_box = nullptr;
};

TEST_F(ImageCheckBoxTest, OnlyAPressOnTheArrowFlipsAndReportsAndSetToggledIsQuiet)
{
    const QImage right = arrowPicture("right_arrow.png");
    const QImage down = arrowPicture("down_arrow.png");
    ASSERT_FALSE(right.isNull()) << "the arrow pictures are part of the installation";
    EXPECT_EQ(shownArrow(), right);
    ASSERT_TRUE(runOnGuiThread([this] {
        EXPECT_FALSE(widget()->isToggled());
        const auto labels = widget()->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 2);
        EXPECT_EQ(labels[1]->text(), QStringLiteral("Details"));
        // Presses beside the arrow, on the caption or the free end, do nothing.
        QTest::mousePress(labels[1], Qt::LeftButton);
        QTest::mousePress(widget(), Qt::LeftButton, {}, QPoint(widget()->width() - 2, 2));
        EXPECT_FALSE(widget()->isToggled());
    }));
    EXPECT_EQ(shownArrow(), right);
    pressArrow();
    EXPECT_EQ(shownArrow(), down);
    pressArrow();
    EXPECT_EQ(shownArrow(), right);

    m_box->setToggled(true);
    EXPECT_EQ(shownArrow(), down);
    m_box->setToggled(true);
    m_box->setToggled(false);
    EXPECT_EQ(shownArrow(), right);
    deliverEvents();
    EXPECT_THAT(m_toggles.values(), ElementsAre(1, 0));
    EXPECT_THAT(m_toggles.states(), ElementsAre(true, false));
    pressArrow(); // the stored state follows setToggled: false flips to true
    deliverEvents();
    EXPECT_THAT(m_toggles.values(), ElementsAre(1, 0, 1));
}

TEST_F(ImageCheckBoxTest, MissingArrowPicturesLeaveTheArrowEmpty)
{
    VXHost::hostSetRoot("/nonexistent/installation");
    std::unique_ptr<VXImageCheckBox> bare(bridge()->createImageCheckBox(nullptr, nullptr));
    bridge()->getHashedSize(); // a send: the posted creation has been handled
    VXHost::hostSetRoot(""); // back to the default root
    ASSERT_NE(bare, nullptr);
    bare->addEventListener(&m_toggles, CheckBoxToggleEvent);
    bare->setToggled(true);
    ASSERT_TRUE(onWidget<GuiImageCheckBox>(bare.get(), [&](GuiImageCheckBox* box) {
        EXPECT_TRUE(box->arrowLabel()->pixmap(Qt::ReturnByValue).isNull());
        QTest::mousePress(box->arrowLabel(), Qt::LeftButton); // still works without a picture
    }));
    deliverEvents();
    EXPECT_THAT(m_toggles.values(), ElementsAre(0));
}

} // namespace
