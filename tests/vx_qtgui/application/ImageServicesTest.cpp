// Image file services and window capture, through the bridge's emitters.
#include "engine/VXBridge.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/WidgetLeakTest.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>

using vxtest::runOnGuiThread;

namespace {

std::u16string u16(const QString& s)
{
    return s.toStdU16String();
}

class ImageServices : public vxtest::WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_TRUE(m_dir.isValid());
        // 4 × 2, white with one red corner: turns and mirrors move the corner.
        QImage image(4, 2, QImage::Format_ARGB32);
        image.fill(Qt::white);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        m_image = path("source.png");
        ASSERT_TRUE(image.save(m_image));
    }

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    // The copy rotate made, loaded; the test fails when no copy was made.
    QImage rotated(int op)
    {
        const std::u16string made
            = m_bridge->m_imageRotate(u16(m_image), static_cast<VRIX::RotateOperation>(op));
        EXPECT_FALSE(made.empty());
        EXPECT_NE(QString::fromStdU16String(made), m_image);
        return QImage(QString::fromStdU16String(made));
    }

    static bool isRed(const QImage& image, int x, int y)
    {
        return image.pixelColor(x, y) == QColor(255, 0, 0);
    }

    VXBridge* const m_bridge = vxtest::bridge();
    QTemporaryDir m_dir;
    QString m_image;
};

TEST_F(ImageServices, ValidImageOnlyForLoadablePictures)
{
    EXPECT_TRUE(m_bridge->m_isValidImage(u16(m_image)));
    EXPECT_FALSE(m_bridge->m_isValidImage(u16(path("missing.png"))));
    EXPECT_FALSE(m_bridge->m_isValidImage(std::u16string()));
    QFile text(path("notes.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    EXPECT_FALSE(m_bridge->m_isValidImage(u16(text.fileName())));
}

TEST_F(ImageServices, RotateTurnsAndMirrorsIntoANewFileAndAMissingFileGivesNoName)
{
    // Where each operation moves the red corner of the 4 × 2 picture.
    const struct {
        int op;
        QSize size;
        QPoint red;
    } turns[] = { { 0, { 2, 4 }, { 1, 0 } }, { 1, { 2, 4 }, { 0, 3 } }, { 2, { 4, 2 }, { 3, 1 } },
        { 3, { 4, 2 }, { 0, 1 } }, { 4, { 4, 2 }, { 3, 0 } }, { 7, { 4, 2 }, { 0, 0 } } };
    for (const auto& turn : turns) {
        SCOPED_TRACE(turn.op); // 7: an operation nobody knows saves an unchanged copy
        QImage expected(turn.size, QImage::Format_ARGB32);
        expected.fill(Qt::white);
        expected.setPixel(turn.red, qRgb(255, 0, 0));
        EXPECT_EQ(rotated(turn.op).convertToFormat(QImage::Format_ARGB32), expected);
    }
    // The original is never touched.
    EXPECT_TRUE(isRed(QImage(m_image), 0, 0));
    EXPECT_TRUE(
        m_bridge->m_imageRotate(u16(path("missing.png")), VRIX::RotateOperation::Clockwise90)
            .empty());
}

TEST_F(ImageServices, ClipboardCopiesAndPastesImageFiles)
{
    ASSERT_TRUE(runOnGuiThread([] { QApplication::clipboard()->clear(); }));
    EXPECT_FALSE(
        m_bridge->m_imageClipboard(u16(path("pasted.png")), VRIX::ClipboardOperation::Paste));
    EXPECT_FALSE(m_bridge->m_imageClipboard(std::u16string(), VRIX::ClipboardOperation::Copy));

    EXPECT_TRUE(m_bridge->m_imageClipboard(u16(m_image), VRIX::ClipboardOperation::Copy));
    EXPECT_TRUE(m_bridge->m_imageClipboard(std::u16string(), VRIX::ClipboardOperation::Paste));
    EXPECT_TRUE(
        m_bridge->m_imageClipboard(u16(path("pasted.png")), VRIX::ClipboardOperation::Paste));
    const QImage pasted(path("pasted.png"));
    ASSERT_EQ(pasted.size(), QSize(4, 2));
    EXPECT_TRUE(isRed(pasted, 0, 0));

    EXPECT_TRUE(m_bridge->m_imageClipboard(u16(m_image), static_cast<VRIX::ClipboardOperation>(5)));
}

// A filled top-level window of one colour.
QWidget* colouredWindow(const QString& title, const QColor& colour, int x)
{
    auto* w = new QWidget;
    w->setWindowTitle(title);
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, colour);
    w->setPalette(palette);
    w->setAutoFillBackground(true);
    w->setGeometry(x, 40, 80, 60);
    w->show();
    return w;
}

// The share of pixels of `image` close to `colour`.
double shareOf(const QImage& image, const QColor& colour)
{
    if (image.isNull())
        return 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green())
                    + qAbs(c.blue() - colour.blue())
                < 30;
        }
    return double(count) / (image.width() * image.height());
}

TEST_F(ImageServices, CaptureSavesTheFirstVisibleWindowOfATitleOrTheActiveOne)
{
    const QString title = QStringLiteral("Capture probe");
    ASSERT_TRUE(runOnGuiThread([] { QApplication::setActiveWindow(nullptr); }));
    EXPECT_FALSE(m_bridge->m_captureTopWindow(u16(path("top.png")))) << "no active window";
    QWidget *red = nullptr, *blue = nullptr, *first = nullptr;
    ASSERT_TRUE(runOnGuiThread([&] {
        red = colouredWindow(title, Qt::red, 20);
        blue = colouredWindow(title, Qt::blue, 200);
        for (QWidget* w : QApplication::topLevelWidgets())
            first = !first && (w == red || w == blue) ? w : first;
    }));
    QWidget* const other = first == red ? blue : red;
    const QColor firstColour = first == red ? Qt::red : Qt::blue;
    const QColor otherColour = first == red ? Qt::blue : Qt::red;
    ASSERT_TRUE(m_bridge->m_captureNamedWindow(u16(title), u16(path("shot.png"))));
    EXPECT_GT(shareOf(QImage(path("shot.png")), firstColour), 0.5);

    // Hidden windows do not count: the other one is captured.
    ASSERT_TRUE(runOnGuiThread([&] {
        first->hide();
        QApplication::setActiveWindow(other);
    }));
    ASSERT_TRUE(m_bridge->m_captureNamedWindow(u16(title), u16(path("second.png"))));
    EXPECT_GT(shareOf(QImage(path("second.png")), otherColour), 0.5);
    ASSERT_TRUE(m_bridge->m_captureTopWindow(u16(path("top.png"))));
    EXPECT_GT(shareOf(QImage(path("top.png")), otherColour), 0.5);

    EXPECT_FALSE(m_bridge->m_captureNamedWindow(u"No such window", u16(path("none.png"))));
    EXPECT_FALSE(QFile::exists(path("none.png")));
    ASSERT_TRUE(runOnGuiThread([&] {
        delete red;
        delete blue;
    }));
}

} // namespace
