// Sliders, images and hyperlinks: drags, value changes, ranges and clicks reach the host.
#include "engine/VXHyperLink.h"
#include "engine/VXImage.h"
#include "engine/VXSlider.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiHyperLink.h"
#include "vx_qtgui/GuiImage.h"
#include "vx_qtgui/GuiSlider.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>

using namespace testing;
using namespace vxtest;

namespace {

class SliderImageLinkTest : public WidgetLeakTest {
protected:
    QString picture(const char* name, int width, int height)
    {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(Qt::red);
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(image.save(path, "PNG"));
        return path;
    }

    // A user's left-button drag of the handle by `dx` pixels. GUI thread.
    static void dragHandle(QSlider* slider, int dx)
    {
        QStyleOptionSlider option;
        option.initFrom(slider);
        option.orientation = slider->orientation();
        option.minimum = slider->minimum();
        option.maximum = slider->maximum();
        option.sliderPosition = slider->sliderPosition();
        option.sliderValue = slider->value();
        option.tickPosition = slider->tickPosition();
        const QPoint from
            = slider->style()
                  ->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider)
                  .center();
        const QPoint to = from + QPoint(dx, 0);
        auto send
            = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
                  QMouseEvent e(type, at, slider->mapToGlobal(at), button, buttons, Qt::NoModifier);
                  QApplication::sendEvent(slider, &e);
              };
        send(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        send(QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        send(QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
    }

    QTemporaryDir m_dir;
};

TEST_F(SliderImageLinkTest, DragsReportMoveAndChangeHostValuesAChangeOnlyWithinACoherentRange)
{
    VXSlider* slider = own(bridge()->createSlider(nullptr, "volume"));
    EventLog log;
    log.watch(slider, { SliderMovedEvent, SliderValueChangedEvent });
    slider->setMaxValue(100);
    slider->setTickInterval(10);
    slider->setMinimumSize(200, 30);
    slider->setMaximumSize(200, 30);
    EXPECT_EQ(slider->value(), 0);
    ASSERT_TRUE(onWidget<GuiSlider>(slider, [&](GuiSlider* widget) {
        EXPECT_EQ(widget->objectName(), QStringLiteral("volume"));
        EXPECT_EQ(widget->orientation(), Qt::Horizontal);
        EXPECT_EQ(widget->tickPosition(), QSlider::TicksBelow);
        EXPECT_EQ(widget->tickInterval(), 10);
        widget->show();
        EXPECT_EQ(widget->width(), 200);
        dragHandle(widget, 80);
    }));
    const int reached = slider->value();
    EXPECT_GT(reached, 0);
    deliverEvents();
    const std::size_t moves = log.count(SliderMovedEvent);
    const std::size_t changes = log.count(SliderValueChangedEvent);
    ASSERT_GE(moves, 1u);
    EXPECT_EQ(log.last(SliderMovedEvent).value, reached);
    ASSERT_GE(changes, 1u);
    EXPECT_EQ(log.last(SliderValueChangedEvent).value, reached);

    // Values are clamped, a minimum above the maximum moves both.
    slider->setMaxValue(10);
    slider->setValue(50);
    EXPECT_EQ(slider->value(), 10);
    slider->setMinValue(20);
    EXPECT_EQ(slider->value(), 20);
    slider->setTickInterval(-5);
    EXPECT_EQ(slider->value(), 20);
    deliverEvents();
    EXPECT_EQ(log.count(SliderMovedEvent), moves) << "the host's values are no moves";
    ASSERT_EQ(log.count(SliderValueChangedEvent), changes + 2);
    EXPECT_EQ(log.last(SliderValueChangedEvent).value, 20);
}

TEST_F(SliderImageLinkTest, ImageTakesItsPictureSizeAndReportsLeftClicksOnly)
{
    const QString dense = picture("dense@2x.png", 32, 32);
    const QString plain = picture("plain.png", 20, 10);
    std::unique_ptr<VXImage> image(
        bridge()->createImage(nullptr, "unused", dense.toLocal8Bit().constData()));
    EventLog log;
    log.watch(image.get(), { IMGClickedEvent });
    image->show();
    EXPECT_TRUE(image->isVisible());
    ASSERT_TRUE(onWidget<GuiImage>(image.get(), [&](GuiImage* widget) {
        EXPECT_EQ(widget->size(), QSize(16, 16)) << "a ratio-2 picture shows at half size";
        QTest::mouseClick(widget, Qt::RightButton);
        QTest::mouseClick(widget, Qt::LeftButton);
    }));
    deliverEvents();
    EXPECT_EQ(log.count(IMGClickedEvent), 1u);
    image->imClick();
    image->setFilePath(plain.toLocal8Bit().constData());
    EXPECT_TRUE(image->isEnabled());
    deliverEvents();
    EXPECT_EQ(log.count(IMGClickedEvent), 2u);
    ASSERT_TRUE(
        runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiImage>(image.get())->size(), QSize(20, 10)); }));
}

TEST_F(SliderImageLinkTest, HyperLinkShowsItsAddressAndReportsLeftClicksOnly)
{
    std::unique_ptr<VXHyperLink> link(
        bridge()->createHyperLink(nullptr, "name", "http://first.example"));
    EventLog log;
    log.watch(link.get(), { HYPClickedEvent });
    EXPECT_EQ(link->getURL(), u"http://first.example");
    link->setURL(u"http://second.example");
    link->show();
    EXPECT_TRUE(link->isVisible());
    ASSERT_TRUE(onWidget<GuiHyperLink>(link.get(), [&](GuiHyperLink* widget) {
        EXPECT_EQ(widget->text(), QStringLiteral("http://second.example"));
        EXPECT_TRUE(widget->font().underline());
        EXPECT_EQ(widget->palette().color(QPalette::Inactive, widget->foregroundRole()),
            QColor(Qt::darkBlue));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
        EXPECT_EQ(
            widget->palette().color(QPalette::Active, widget->foregroundRole()), QColor(Qt::blue));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
        EXPECT_EQ(widget->palette().color(QPalette::Active, widget->foregroundRole()),
            QColor(Qt::darkBlue));
        QTest::mouseClick(widget, Qt::RightButton);
        QTest::mouseClick(widget, Qt::LeftButton);
    }));
    deliverEvents();
    EXPECT_EQ(log.count(HYPClickedEvent), 1u);
}

} // namespace
