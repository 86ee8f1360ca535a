#include "vx_qtgui/GuiApplication.h"
#include "engine/VXBridge.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/support/AnswerNextDialog.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/WidgetLeakTest.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiEventTypes.h"
#include "vx_qtgui/GuiWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QFontDialog>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using vxtest::answerNextDialog;
using vxtest::runOnGuiThread;

namespace {

// The whole binary runs at a display factor of 1.5, set before the GUI starts: geometry must
// come back in device-independent units, and the style's metrics are scaled once.
const bool kDisplayScaleSet = (VRIX::setDpiScale(1.5), true);

QRect fromDevice(const QRect& r)
{
    const auto f = [](int v) { return static_cast<int>(std::lround(v / 1.5)); };
    return QRect(f(r.x()), f(r.y()), f(r.width()), f(r.height()));
}

// A top-level window registered for a fake proxy, as the dispatcher registers real widgets.
class RegisteredWindow : public QWidget, public GuiWidget {
public:
    explicit RegisteredWindow(void* key)
        : GuiWidget(key)
    {
        GuiApplication::putWidget(key, this);
    }
};

class Services : public vxtest::WidgetLeakTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(kDisplayScaleSet);
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
    }
    VXBridge* const m_bridge = vxtest::bridge();
};

TEST_F(Services, ScreensPointsAndInputSettingsMatchQtInDeviceIndependentUnits)
{
    int count = -1, dragDistance = 0, interval = 0;
    QRect geometry, available;
    ASSERT_TRUE(runOnGuiThread([&] {
        count = QGuiApplication::screens().size();
        geometry = QGuiApplication::primaryScreen()->geometry();
        available = QGuiApplication::primaryScreen()->availableGeometry();
        dragDistance = QApplication::startDragDistance();
        interval = QApplication::doubleClickInterval();
    }));
    ASSERT_GT(count, 0);
    EXPECT_EQ(m_bridge->m_getNumScreens(), count);
    EXPECT_EQ(m_bridge->m_getPrimaryScreen(), 0);

    const VRIX::VXRect<int> g = m_bridge->m_getScreenGeometry(0);
    EXPECT_EQ(QRect(g.x(), g.y(), g.width(), g.height()), fromDevice(geometry));
    EXPECT_EQ(QSize(m_bridge->m_getScreenWidth(0), m_bridge->m_getScreenHeight(0)),
        fromDevice(geometry).size());
    const VRIX::VXRect<int> a = m_bridge->m_getAvailableGeometryOfScreen(0);
    EXPECT_EQ(QSize(a.width(), a.height()), fromDevice(available).size());
    // A screen index nobody has answers for the primary screen.
    EXPECT_EQ(m_bridge->m_getScreenGeometry(count + 3), g);

    // Points are scaled to device pixels: inside the screen in device-independent units, but only
    // because of the scaling.
    const VRIX::VXPoint<int> inside(fromDevice(geometry).right() - 2, 1);
    EXPECT_EQ(m_bridge->m_getScreenNumberOfPoint(inside), 0);
    const VRIX::VXPoint<int> beyond(fromDevice(geometry).right() + 10, 1);
    EXPECT_EQ(m_bridge->m_getScreenNumberOfPoint(beyond), -1);
    EXPECT_EQ(m_bridge->m_getAvailableGeometryOfPoint(inside), a);

    EXPECT_EQ(m_bridge->m_getDoubleClickInterval(), interval);
    EXPECT_EQ(m_bridge->m_getStartDragDistance(), dragDistance);
    // The setter is posted; the getter behind it on the same thread sees its effect.
    m_bridge->m_setStartDragDistance(dragDistance + 7);
    EXPECT_EQ(m_bridge->m_getStartDragDistance(), dragDistance + 7);
    m_bridge->m_setStartDragDistance(dragDistance);
    EXPECT_EQ(m_bridge->m_getStartDragDistance(), dragDistance);
}

// A shown top-level window at the given device geometry.
QWidget* shownWindow(QWidget* w, const QRect& geometry)
{
    w->setGeometry(geometry);
    w->show();
    return w;
}

TEST_F(Services, WindowsAreLookedUpRaisedAndGetTooltips)
{
    int proxy = 0; // only its address matters
    QWidget *registered = nullptr, *plain = nullptr, *tipped = nullptr;
    long id = 0;
    ASSERT_TRUE(runOnGuiThread([&] {
        registered = shownWindow(new RegisteredWindow(&proxy), QRect(30, 60, 120, 90));
        plain = shownWindow(new QWidget, QRect(300, 60, 120, 90));
        tipped = shownWindow(new QWidget, QRect(100, 100, 200, 100));
        id = static_cast<long>(plain->winId());
        QApplication::setActiveWindow(nullptr);
    }));
    EXPECT_EQ(m_bridge->m_getScreenNumberOfWidget(reinterpret_cast<const VXWidget*>(&proxy)), 0);
    EXPECT_EQ(m_bridge->m_getScreenNumberOfWidget(nullptr), 0);
    // (60, 60) units are (90, 90) device pixels: inside the registered window. Inside the plain
    // window: not registered, so no proxy.
    EXPECT_EQ(m_bridge->m_getTopLevelWidgetAt(VRIX::VXPoint<int>(60, 60)),
        reinterpret_cast<VXObject*>(&proxy));
    EXPECT_EQ(m_bridge->m_getTopLevelWidgetAt(VRIX::VXPoint<int>(240, 60)), nullptr);

    m_bridge->m_raiseWindowById(0); // unknown ids are ignored
    m_bridge->m_raiseWindowById(id);
    bool active = false;
    // A getter behind the posted raise: the raise has run by then.
    m_bridge->m_getNumScreens();
    ASSERT_TRUE(runOnGuiThread([&] { active = QApplication::activeWindow() == plain; }));
    EXPECT_TRUE(active);

    m_bridge->m_showTooltipAtPointForRect(
        VRIX::VXPoint<int>(150, 150), VRIX::VXRect<double>(120.0, 120.0, 60.0, 40.0), u"tip text");
    EXPECT_TRUE(m_bridge->m_isTooltipVisible());
    m_bridge->m_hideTooltip();
    // Qt hides a tool tip after a short delay.
    EXPECT_TRUE(vxtest::pumpUntil([&] { return !m_bridge->m_isTooltipVisible(); }));
    // Nowhere near a widget: nothing is shown.
    m_bridge->m_showTooltipAtPointForRect(
        VRIX::VXPoint<int>(5000, 5000), VRIX::VXRect<double>(0.0, 0.0, 1.0, 1.0), u"nobody");
    EXPECT_FALSE(m_bridge->m_isTooltipVisible());

    ASSERT_TRUE(runOnGuiThread([&] {
        delete registered;
        delete plain;
        delete tipped;
    }));
    EXPECT_EQ(m_bridge->m_getTopLevelWidgetAt(VRIX::VXPoint<int>(60, 60)), nullptr);
}

TEST_F(Services, ColourChosenComesBackAsFractionsAndNoneWhenCancelled)
{
    auto shown = std::make_shared<QColor>();
    auto title = std::make_shared<QString>();
    answerNextDialog<QColorDialog>([shown, title](QColorDialog* dialog) {
        *shown = dialog->currentColor();
        *title = dialog->windowTitle();
        dialog->setCurrentColor(QColor(51, 102, 204));
        dialog->accept();
    });
    const boost::optional<VRIX::Color> picked
        = m_bridge->m_pickColor(VRIX::Color::fromBytes(10, 20, 30), "Line colour");
    ASSERT_TRUE(picked);
    EXPECT_DOUBLE_EQ(picked->red(), 0.2);
    EXPECT_DOUBLE_EQ(picked->green(), 0.4);
    EXPECT_DOUBLE_EQ(picked->blue(), 0.8);
    EXPECT_DOUBLE_EQ(picked->alpha(), 1.0);
    EXPECT_EQ(*shown, QColor(10, 20, 30));
    EXPECT_EQ(*title, QStringLiteral("Line colour"));

    answerNextDialog<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(m_bridge->m_pickColor(VRIX::Color(), "Cancel me"));
}

TEST_F(Services, FontChosenComesBackInHostUnitsAndTheDefaultWhenCancelled)
{
    struct Seen {
        double size = 0;
        bool modal = false;
        bool filterEnabled = true;
        int listHeight = 0;
        int wanted = 0;
    };
    auto seen = std::make_shared<Seen>();
    answerNextDialog<QFontDialog>([seen](QFontDialog* dialog) {
        seen->size = dialog->currentFont().pointSizeF();
        seen->modal = dialog->windowModality() == Qt::ApplicationModal;
        if (auto* box = dialog->findChild<QCheckBox*>())
            seen->filterEnabled = box->isEnabled();
        if (auto* list = dialog->findChild<QListView*>()) {
            seen->listHeight = list->minimumHeight();
            seen->wanted = 9 * list->fontMetrics().lineSpacing();
        }
        QFont chosen = dialog->currentFont();
        chosen.setPointSize(20);
        chosen.setWeight(QFont::Bold);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    const VRIX::Font picked = m_bridge->m_pickFont(VRIX::Font("Sans", 13.0));
    EXPECT_DOUBLE_EQ(seen->size, 13.0);
    EXPECT_TRUE(seen->modal);
    EXPECT_FALSE(seen->filterEnabled);
    EXPECT_TRUE(seen->wanted > 0 && seen->listHeight >= seen->wanted)
        << seen->listHeight << " " << seen->wanted;
    EXPECT_DOUBLE_EQ(picked.size(), 20.0);
    EXPECT_STRNE(picked.familyName(), "");

    answerNextDialog<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(m_bridge->m_pickFont(VRIX::Font("Sans", 11.0)), VRIX::Font());
}

// Records edit-done events and presses, in order, for the widgets it watches.
class Recorder : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == VRIX::TextEditDoneEventType())
            log.push_back(watched->objectName().toStdString() + ":done");
        else if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)
            log.push_back(watched->objectName().toStdString() + ":press");
        return false;
    }
    std::vector<std::string> log;
};

// A window with an edit field, a button and a panel that never cancels edits. GUI thread.
struct Form {
    Form()
    {
        window.setGeometry(50, 50, 300, 200);
        auto* layout = new QVBoxLayout(&window);
        keeper->setMinimumHeight(40);
        keeper->setProperty("neverCancelsTextEdit", true);
        layout->addWidget(edit);
        layout->addWidget(button);
        layout->addWidget(keeper);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }

    // Names `widget` for the log and watches it.
    template <class W> W* watched(W* widget, const char* name)
    {
        widget->setObjectName(QLatin1String(name));
        widget->installEventFilter(&recorder);
        return widget;
    }

    // A left press at the centre of `target`, delivered the way Qt delivers one.
    void press(QWidget* target, QEvent::Type type = QEvent::MouseButtonPress)
    {
        const QPoint local = target->rect().center();
        QMouseEvent e(type, local, target->window()->mapFromGlobal(target->mapToGlobal(local)),
            target->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }

    Recorder recorder;
    QWidget window;
    QLineEdit* edit = watched(new QLineEdit, "edit");
    QPushButton* button = watched(new QPushButton(QStringLiteral("Apply")), "button");
    QWidget* keeper = new QWidget;
    QPushButton* keeperChild
        = watched(new QPushButton(QStringLiteral("Inside"), keeper), "keeperChild");
};

// A press anywhere but at the centre of a widget: at (1, 1) of `target`, far off screen.
void pressOff(QWidget* target)
{
    QMouseEvent e(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(9000, 9000), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &e);
}

// What a user does to the form with the edit field focused, and what the widgets then see.
struct Press {
    const char* name;
    std::function<void(Form&)> act;
    std::vector<std::string> seen;
};

// The rule lives in the running application's notify(); each row gets a fresh form.
TEST(TextEditDone, PressOutsideEndsTheEditFirstUnlessMarkedAndTheEventTypesAreApart)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    const Press presses[] = {
        { "on a button", [](Form& f) { f.press(f.button); }, { "edit:done", "button:press" } },
        { "double on a button", [](Form& f) { f.press(f.button, QEvent::MouseButtonDblClick); },
            { "edit:done", "button:press" } },
        { "inside the field", [](Form& f) { f.press(f.edit); }, { "edit:press" } },
        { "in a marked panel", [](Form& f) { f.press(f.keeperChild); }, { "keeperChild:press" } },
        { "on a marked button",
            [](Form& f) {
                f.button->setProperty("neverCancelsTextEdit", true);
                f.press(f.button);
            },
            { "button:press" } },
        { "in a popup menu",
            [](Form&) {
                QMenu menu;
                menu.addAction(QStringLiteral("Item"));
                pressOff(&menu);
            },
            {} },
        // A widget never shown: no widget lies under the press.
        { "outside every widget",
            [](Form&) {
                QWidget stray;
                pressOff(&stray);
            },
            { "edit:done" } },
        { "a release only", [](Form& f) { f.press(f.button, QEvent::MouseButtonRelease); }, {} },
        { "without a focus widget",
            [](Form& f) {
                f.edit->clearFocus();
                QApplication::setActiveWindow(nullptr);
                ASSERT_EQ(QApplication::focusWidget(), nullptr);
                f.press(f.button);
            },
            { "button:press" } },
    };
    for (const Press& row : presses) {
        ASSERT_TRUE(runOnGuiThread([&] {
            Form form;
            // Checked on the GUI thread, where a scoped trace would not reach: name the row.
            ASSERT_EQ(QApplication::focusWidget(), form.edit) << row.name;
            row.act(form);
            EXPECT_EQ(form.recorder.log, row.seen) << row.name;
        }));
    }

    // The event types are registered once each, apart, in the user range.
    const int done = VRIX::TextEditDoneEventType();
    const int ok = GuiApplication::OD_OK_EDIT_WIDGET_EVENT_TYPE();
    const int cancel = GuiApplication::OD_CANCEL_EDIT_WIDGET_EVENT_TYPE();
    EXPECT_TRUE(done >= QEvent::User && done <= QEvent::MaxUser) << done;
    EXPECT_TRUE(done != ok && done != cancel && ok != cancel) << done << " " << ok << " " << cancel;
    EXPECT_EQ(GuiApplication::OD_OK_EDIT_WIDGET_EVENT_TYPE(), ok);
}

const auto u16 = [](const QString& s) { return s.toStdU16String(); };

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

TEST_F(ImageServices, ValidImageOnlyForLoadablePicturesAndTheClipboardCopiesAndPastesThem)
{
    EXPECT_TRUE(m_bridge->m_isValidImage(u16(m_image)));
    EXPECT_FALSE(m_bridge->m_isValidImage(u16(path("missing.png"))));
    EXPECT_FALSE(m_bridge->m_isValidImage(std::u16string()));
    QFile text(path("notes.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    EXPECT_FALSE(m_bridge->m_isValidImage(u16(text.fileName())));

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
    const int count = vxtest::countPixels(image, [&](QRgb p) {
        return qAbs(qRed(p) - colour.red()) + qAbs(qGreen(p) - colour.green())
            + qAbs(qBlue(p) - colour.blue())
            < 30;
    });
    return image.isNull() ? 0.0 : double(count) / (image.width() * image.height());
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
