// The hover button swaps its icon under the mouse; other widgets build it directly on the GUI
// thread, so these tests do too.
#include "vx_qtgui/HoverButton.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "vx_qtgui/GuiUtil.h"

#include <gtest/gtest.h>

#include <QEvent>
#include <QTest>

#include <memory>

using vxtest::runOnGuiThread;

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

} // namespace
