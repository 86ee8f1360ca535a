#include "vx_qtgui/GuiUtil.h"

#include "tests/support/QStringPrinter.h"
#include "tests/vx_qtgui/gui_util/GuiUtilFixture.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

class GuiUtilScaled : public GuiUtilFixture { };

// Scaled values are rounded half up, then truncated: 16 × 1.25 = 20 exactly, 16 × 1.3 = 20.8,
// 16 × 1.28 = 20.48.
TEST_F(GuiUtilScaled, ConstantsAndTheColumnWidthCapFollowTheDisplayFactor)
{
    const struct {
        double scale;
        std::vector<int> values; // width, height, list width, minimum list width, column, icon
    } rows[] = { { 1.0, { 900, 600, 200, 200, 200, 16 } },
        { 1.5, { 1350, 900, 300, 300, 300, 24 } }, { 1.25, { 1125, 750, 250, 250, 250, 20 } },
        { 1.3, { 1170, 780, 260, 260, 260, 21 } }, { 1.28, { 1152, 768, 256, 256, 256, 20 } } };
    for (const auto& row : rows) {
        VRIX::setDpiScale(row.scale);
        const std::vector<int> values { GuiUtil::ME_ISIZE_WIDTH, GuiUtil::ME_ISIZE_HEIGHT,
            GuiUtil::ME_ISIZE_LISTWIDTH, GuiUtil::ME_MIN_LISTWIDTH, GuiUtil::ME_MAX_COLWIDTH,
            GuiUtil::DEFAULT_ICON_WIDTH };
        EXPECT_EQ(values, row.values) << "scale " << row.scale;
    }

    // A column is as wide as its text plus half the widest character, capped at the maximum.
    VRIX::setDpiScale(1.0);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    const QFontMetrics fm(font);
    EXPECT_EQ(GuiUtil::getStandardColumnWidth(QString(), fm), 21);
    ASSERT_GT(fm.horizontalAdvance("abc"), 0);
    const double pad
        = fm.maxWidth() != 0 ? fm.maxWidth() / 2.0 : fm.horizontalAdvance(QLatin1Char('W'));
    EXPECT_EQ(GuiUtil::getStandardColumnWidth("abc", fm), int(pad + fm.horizontalAdvance("abc")));

    const QString longText(400, QLatin1Char('W'));
    EXPECT_EQ(GuiUtil::getStandardColumnWidth(longText, fm), 200);
    VRIX::setDpiScale(1.5);
    EXPECT_EQ(GuiUtil::getStandardColumnWidth(longText, fm), 300);
}

TEST(GuiUtilText, TrueOnlyForOnTrueOrOneInAnyCase)
{
    for (const char* text : { "ON", "on", "oN", "True", "TRUE", "1" })
        EXPECT_TRUE(GuiUtil::isTrueStr(QString::fromLatin1(text))) << text;
    for (const char* text : { "0", "", "off", "false", "yes", " on", "11", "1.0" })
        EXPECT_FALSE(GuiUtil::isTrueStr(QString::fromLatin1(text))) << text;
    EXPECT_FALSE(GuiUtil::isTrueStr(QString()));
}

TEST(GuiUtilText, ConversionsKeepAddressesEmbeddedNullsAndSixteenBitUnits)
{
    int object = 0;
    std::ostringstream address;
    address << static_cast<void*>(&object);
    const QString text = GuiUtil::convertToQString(static_cast<void*>(&object));
    EXPECT_EQ(text, QString::fromStdString(address.str()));
    EXPECT_TRUE(text.startsWith("0x"));

    EXPECT_EQ(
        GuiUtil::convertToQString(std::string("ab\0cd", 5)), QString::fromUtf16(u"ab\0cd", 5));
    EXPECT_TRUE(GuiUtil::convertToQString(std::string()).isEmpty());

    // A leading byte-order mark and a surrogate pair must survive both ways.
    const std::u16string wide = u"\uFEFFGr\u00FC\u00DFe \U0001F600";
    const QString converted = GuiUtil::toQString(wide);
    ASSERT_EQ(std::size_t(converted.size()), wide.size());
    EXPECT_EQ(converted.at(0).unicode(), 0xFEFF);
    EXPECT_TRUE(converted.at(converted.size() - 2).isHighSurrogate());
    EXPECT_EQ(GuiUtil::toVXUString(converted), wide);
    EXPECT_TRUE(GuiUtil::toQString(std::u16string()).isEmpty());
    EXPECT_TRUE(GuiUtil::toVXUString(QString()).empty());
}

TEST(GuiUtilGrey, APixelIsGreyWhenRedLiesWithinFourOfGreenAndBlue)
{
    // Only red is measured: green and blue may lie 8 apart.
    const struct {
        int r, g, b;
        bool grey;
    } rows[] = { { 100, 100, 100, true }, { 104, 100, 100, true }, { 105, 100, 100, false },
        { 96, 100, 100, true }, { 95, 100, 100, false }, { 100, 105, 100, false },
        { 100, 100, 95, false }, { 100, 104, 96, true }, { 0, 0, 0, true }, { 255, 255, 255, true },
        { 255, 0, 0, false } };
    for (const auto& c : rows)
        EXPECT_EQ(GuiUtil::isGrayscale(qRgb(c.r, c.g, c.b)), c.grey)
            << c.r << "," << c.g << "," << c.b;

    // An image without pixels is grey; one coloured pixel is enough to make it not.
    EXPECT_TRUE(GuiUtil::isGrayscale(QImage()));
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(qRgb(90, 90, 90));
    EXPECT_TRUE(GuiUtil::isGrayscale(image));
    image.setPixel(2, 2, qRgb(90, 90, 200));
    EXPECT_FALSE(GuiUtil::isGrayscale(image));
}

TEST(GuiUtilGrey, ConversionWeightsTheChannelsLiftsDarkGreyTonesAndMasksTheBackground)
{
    // A 5 × 5 picture: a one-pixel frame around a 3 × 3 centre with a middle of its own. The
    // frame is the background the heuristic mask clips away. (5·50 + 16·100 + 11·200) / 32 =
    // 126, (5·30 + 16·20 + 11·10) / 32 = 18; in a picture grey already, 100 is lifted to 230 and
    // 124 to 254, while 125 is not lifted.
    const struct {
        QRgb frame, centre, middle;
        int centreGrey, middleGrey;
    } rows[] = { { qRgb(0, 0, 255), qRgb(200, 100, 50), qRgb(10, 20, 30), 126, 18 },
        { qRgb(250, 250, 250), qRgb(100, 100, 100), qRgb(124, 124, 124), 230, 254 },
        { qRgb(250, 250, 250), qRgb(125, 125, 125), qRgb(125, 125, 125), 125, 125 } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.centreGrey);
        QImage image(5, 5, QImage::Format_ARGB32);
        image.fill(row.frame);
        for (int y = 1; y < 4; ++y)
            for (int x = 1; x < 4; ++x)
                image.setPixel(x, y, row.centre);
        image.setPixel(2, 2, row.middle);
        const QImage result = GuiUtil::convertPixmapToGrayscale(QPixmap::fromImage(image))
                                  .toImage()
                                  .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(result.size(), QSize(5, 5));
        const int c = row.centreGrey, m = row.middleGrey;
        EXPECT_EQ(result.pixel(1, 1), qRgba(c, c, c, 255));
        EXPECT_EQ(result.pixel(2, 2), qRgba(m, m, m, 255));
        EXPECT_EQ(qAlpha(result.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(result.pixel(4, 2)), 0);
    }
    EXPECT_TRUE(GuiUtil::convertPixmapToGrayscale(QPixmap()).isNull());
}

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
    painter.setBrush(Qt::blue); // not the highlight's: it has no fill
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

#include "GuiUtilTest.moc"
