#include "vx_qtgui/GuiUtil.h"

#include <QImage>
#include <QKeySequence>
#include <QPainter>
#include <QShortcut>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A widget with zoom slots that counts how often each runs.
class ZoomTarget : public QWidget {
    Q_OBJECT
public:
    int zoomedIn = 0;
    int zoomedOut = 0;

public slots:
    void increaseFontSize() { ++zoomedIn; }
    void decreaseFontSize() { ++zoomedOut; }
};

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage highlighted(double opacity)
{
    QImage image = transparentImage(40, 40);
    QPainter painter(&image);
    GuiUtil::paintHighlight(&painter, QRect(5, 5, 30, 30), QColor(255, 0, 0), opacity);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

TEST(Highlight, RoundedOutlineWithoutFillAtTheGivenOpacity)
{
    const QImage image = highlighted(1.0);
    const QRgb topEdge = image.pixel(20, 5);
    EXPECT_EQ(qAlpha(topEdge), 255);
    EXPECT_EQ(qRed(topEdge), 255);
    EXPECT_EQ(qGreen(topEdge), 0);
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 0);
    // The corner is rounded off: its outermost pixel stays clear.
    EXPECT_EQ(qAlpha(image.pixel(4, 4)), 0);
    EXPECT_EQ(qAlpha(image.pixel(0, 20)), 0);

    // At the given opacity, and the painter is left as it was.
    const QImage half = highlighted(0.5);
    EXPECT_NEAR(qAlpha(half.pixel(20, 5)), 128, 2);
    EXPECT_EQ(qAlpha(highlighted(std::numeric_limits<double>::quiet_NaN()).pixel(20, 5)), 0);

    QImage small = transparentImage(10, 10);
    QPainter painter(&small);
    painter.setPen(QPen(Qt::green, 1));
    GuiUtil::paintHighlight(&painter, QRect(0, 0, 10, 10), Qt::red, 0.3);
    EXPECT_EQ(painter.opacity(), 1.0);
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_EQ(painter.pen().widthF(), 1.0);
    GuiUtil::paintHighlight(nullptr, QRect(0, 0, 10, 10), Qt::red, 1.0);
}

double meanLightness(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qGray(image.pixel(x, y));
    return sum / (image.width() * image.height());
}

QImage glass(const QWidget& widget, bool lighter)
{
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    GuiUtil::drawWidgetWithGlassEffect(
        &painter, &widget, QColor(60, 60, 120), QColor(200, 200, 230), lighter);
    painter.end();
    return image;
}

TEST(GlassEffect, DarkerEdgesLighterMiddlePalerHoverAndNothingWithoutAPainter)
{
    QWidget widget;
    widget.resize(60, 24);
    const QImage normal = glass(widget, false);
    const int middle = qGray(normal.pixel(30, 12));
    const int nearTop = qGray(normal.pixel(30, 2));
    const int nearBottom = qGray(normal.pixel(30, 21));
    EXPECT_LT(middle, 255) << "something is painted";
    EXPECT_GT(middle, nearTop);
    EXPECT_GT(middle, nearBottom);
    EXPECT_GT(meanLightness(glass(widget, true)), meanLightness(normal));

    // Nothing without a widget or a painter.
    QImage image(10, 10, QImage::Format_ARGB32);
    image.fill(Qt::white);
    const QImage before = image;
    QPainter painter(&image);
    GuiUtil::drawWidgetWithGlassEffect(&painter, nullptr, Qt::blue, Qt::white, false);
    painter.end();
    EXPECT_EQ(image, before);
    GuiUtil::drawWidgetWithGlassEffect(nullptr, &widget, Qt::blue, Qt::white, false);
}

QList<QKeySequence> keys(const char* a, const char* b)
{
    return { QKeySequence(QString::fromLatin1(a), QKeySequence::PortableText),
        QKeySequence(QString::fromLatin1(b), QKeySequence::PortableText) };
}

TEST(ZoomShortcuts, KeysFollowTheKeyboardLanguageAndCallTheSlotsOfAnExistingWidget)
{
    EXPECT_EQ(GuiUtil::zoomKeySequences(true, false), keys("Ctrl++", "Ctrl+="));
    EXPECT_EQ(GuiUtil::zoomKeySequences(false, false), keys("Ctrl+-", "Ctrl+_"));
    EXPECT_EQ(GuiUtil::zoomKeySequences(true, true), keys("Ctrl++", "Ctrl+Shift+;"));
    EXPECT_EQ(GuiUtil::zoomKeySequences(false, true), keys("Ctrl+-", "Ctrl+="));

    ZoomTarget target;
    const QList<QShortcut*> shortcuts
        = GuiUtil::createZoomShortCutList(&target, SLOT(increaseFontSize()), "decreaseFontSize()");
    ASSERT_EQ(shortcuts.size(), 4);
    const bool japanese = shortcuts.at(1)->key() == keys("Ctrl+Shift+;", "")[0];
    EXPECT_EQ(shortcuts.at(0)->key(), GuiUtil::zoomKeySequences(true, japanese).at(0));
    EXPECT_EQ(shortcuts.at(3)->key(), GuiUtil::zoomKeySequences(false, japanese).at(1));
    for (QShortcut* shortcut : shortcuts) {
        EXPECT_EQ(shortcut->parent(), &target);
        EXPECT_EQ(shortcut->context(), Qt::WidgetWithChildrenShortcut);
    }
    emit shortcuts.at(1)->activated();
    EXPECT_EQ(target.zoomedIn, 1);
    EXPECT_EQ(target.zoomedOut, 0);
    emit shortcuts.at(2)->activated();
    EXPECT_EQ(target.zoomedOut, 1);

    // None for a missing widget or slot.
    EXPECT_TRUE(GuiUtil::createZoomShortCutList(nullptr, "increaseFontSize()", "decreaseFontSize()")
                    .isEmpty());
    const QList<QShortcut*> onlyOut
        = GuiUtil::createZoomShortCutList(&target, "noSuchSlot()", "decreaseFontSize");
    ASSERT_EQ(onlyOut.size(), 2);
    emit onlyOut.at(0)->activated();
    EXPECT_EQ(target.zoomedOut, 2);
    EXPECT_TRUE(GuiUtil::createZoomShortCutList(&target, nullptr, "").isEmpty());
}

} // namespace

#include "GuiUtilPaintingTest.moc"
