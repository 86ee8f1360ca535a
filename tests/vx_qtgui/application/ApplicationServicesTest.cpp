// The application's screen, window and picker services, called through the bridge's emitters
// from the engine thread and checked against Qt, or answered as a user would, on the GUI
// thread.
#include "engine/VXBridge.h"
#include "tests/support/AnswerNextDialog.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/WidgetLeakTest.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiWidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QListView>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using vxtest::answerNextDialog;
using vxtest::runOnGuiThread;

namespace {

// The whole binary runs at a display factor of 1.5, set before the GUI starts: geometry must
// come back in device-independent units, and the style's metrics are scaled once.
const bool kDisplayScaleSet = (VRIX::setDpiScale(1.5), true);

int fromDevice(int value)
{
    return static_cast<int>(std::lround(value / 1.5));
}

QRect fromDevice(const QRect& r)
{
    return QRect(
        fromDevice(r.x()), fromDevice(r.y()), fromDevice(r.width()), fromDevice(r.height()));
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
    const VRIX::VXPoint<int> inside(fromDevice(geometry.right()) - 2, 1);
    EXPECT_EQ(m_bridge->m_getScreenNumberOfPoint(inside), 0);
    const VRIX::VXPoint<int> beyond(fromDevice(geometry.right()) + 10, 1);
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

} // namespace
