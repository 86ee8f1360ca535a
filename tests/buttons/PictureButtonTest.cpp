// Buttons that show pictures. The hover button swaps its icon under the mouse; other widgets
// build it directly on the GUI thread, so its tests do too.
#include "engine/VXImageCheckBox.h"
#include "host/Host.h"
#include "tests/support/WidgetTest.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiImageCheckBox.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/HoverButton.h"

#include <QEvent>
#include <QLabel>

using namespace testing;
using namespace vxtest;

namespace {

const QString kOn = QStringLiteral("toolbox/shared/orvidesk/resources/expand.png");
const QString kOff = QStringLiteral("toolbox/shared/orvidesk/resources/collapse.png");

QImage picture(const QString& relative)
{
    return QPixmap(GuiUtil::installationPath(relative))
        .toImage()
        .convertToFormat(QImage::Format_ARGB32);
}

// The icon as shown at the current icon size; null without an icon.
QImage shown(const HoverButton& button)
{
    if (button.icon().isNull())
        return QImage();
    return button.icon().pixmap(button.iconSize()).toImage().convertToFormat(QImage::Format_ARGB32);
}

void send(HoverButton& button, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(&button, &event);
}

class HoverButtonTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(vxtest::bridge(), nullptr); }

    // Runs `test` on the GUI thread with a fresh button carrying both pictures.
    void withButton(const std::function<void(HoverButton&, const QImage&, const QImage&)>& test)
    {
        ASSERT_TRUE(runOnGuiThread([&] {
            const QImage on = picture(kOn);
            const QImage off = picture(kOff);
            ASSERT_FALSE(on.isNull());
            ASSERT_FALSE(off.isNull());
            ASSERT_NE(on, off);
            HoverButton button(nullptr, QStringLiteral("hover"));
            button.setOnImage(kOn);
            button.setOffImage(kOff);
            button.resize(40, 40);
            button.show();
            test(button, on, off);
        }));
    }
};

TEST_F(HoverButtonTest, EnterShowsOnLeaveOrReleaseShowsOffAndACheckableOneShowsItsState)
{
    withButton([](HoverButton& button, const QImage& on, const QImage& off) {
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, [&clicks] { ++clicks; });
        EXPECT_TRUE(button.isFlat());
        EXPECT_EQ(button.objectName(), QStringLiteral("hover"));
        EXPECT_TRUE(button.icon().isNull());
        send(button, QEvent::Enter);
        EXPECT_EQ(button.iconSize(), on.size());
        EXPECT_EQ(shown(button), on);
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_EQ(shown(button), off);
        EXPECT_EQ(clicks, 1) << "the release still clicks";
        send(button, QEvent::Enter);
        send(button, QEvent::Leave);
        EXPECT_EQ(button.iconSize(), off.size());
        EXPECT_EQ(shown(button), off);

        button.setCheckable(true);
        send(button, QEvent::Enter);
        EXPECT_EQ(shown(button), off) << "a checkable button ignores hover";
        QTest::mouseClick(&button, Qt::LeftButton); // checks it; the release sees it unchecked
        EXPECT_TRUE(button.isChecked());
        EXPECT_EQ(shown(button), off);
        QTest::mouseClick(&button, Qt::LeftButton); // unchecks; the release sees it checked
        EXPECT_FALSE(button.isChecked());
        EXPECT_EQ(shown(button), on);
        send(button, QEvent::Leave);
        EXPECT_EQ(shown(button), on);
    });
}

TEST_F(HoverButtonTest, MissingPicturesLeaveTheIconEmpty)
{
    ASSERT_TRUE(runOnGuiThread([] {
        HoverButton button(nullptr, QStringLiteral("bare"));
        button.setOnImage(QStringLiteral("no/such/on.png"));
        button.setOffImage(QString());
        button.show();
        send(button, QEvent::Enter);
        EXPECT_TRUE(button.icon().isNull());
        QTest::mouseClick(&button, Qt::LeftButton);
        EXPECT_TRUE(shown(button).isNull());
        send(button, QEvent::Leave);
        EXPECT_TRUE(shown(button).isNull());
    }));
}

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
