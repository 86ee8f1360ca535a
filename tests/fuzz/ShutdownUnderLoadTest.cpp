// Quitting the bridge while everything is busy: the engine thread has a backlog of posts and
// sends, the GUI thread raises events, a modal box is open, a modal alert runs its own loop and
// another thread waits in a colour picker. quit() returns, nobody stays blocked, no event is
// delivered after it, and every operation afterwards is harmless. The bridge quits once per
// process, hence a binary of its own with a single test.
#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXCheckBox.h"
#include "engine/VXEvent.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "tests/fuzz/FuzzWatchdog.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/GuiThreadRunner.h"

#include <QApplication>
#include <QScopeGuard>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>
#include <vector>

namespace {

constexpr int kButtons = 8;
constexpr int kPosts = 20000;

// The title of the window that holds the GUI thread in a modal loop now, or empty.
QString modalTitle()
{
    QString title;
    vxtest::runOnGuiThread([&] {
        if (QWidget* modal = QApplication::activeModalWidget())
            title = modal->windowTitle();
    });
    return title;
}

TEST(ShutdownUnderLoadTest, QuitWhileBusyReturnsReleasesEveryoneAndDeliversNothingAfter)
{
    VXBridge* bridge = vxtest::bridge();
    ASSERT_NE(bridge, nullptr);
    vxtest::FuzzWatchdog watchdog(120);

    vxtest::EventLog listener;
    std::vector<std::unique_ptr<VXButton>> buttons;
    for (int i = 0; i < kButtons; ++i) {
        buttons.emplace_back(bridge->createButton(nullptr, "busy"));
        ASSERT_NE(buttons.back(), nullptr);
        buttons.back()->addEventListener(&listener, ButtonPressEvent);
        buttons.back()->show();
    }
    std::unique_ptr<VXCheckBox> check(bridge->createCheckBox(nullptr, u"check"));
    ASSERT_NE(check, nullptr);

    // The GUI thread raises an event every millisecond until its application goes (the timer is
    // the application's child).
    std::vector<VXWidget*> targets;
    for (auto& button : buttons)
        targets.push_back(button.get());
    ASSERT_TRUE(vxtest::runOnGuiThread([&targets] {
        auto* raiser = new QTimer(qApp);
        QObject::connect(raiser, &QTimer::timeout, [&targets, n = 0]() mutable {
            auto* event = new VXEvent(ButtonPressEvent, targets[n++ % targets.size()]);
            event->setValue(n);
            event->doEvent();
        });
        raiser->start(1);
    }));

    // A modal box stays open.
    EXPECT_GE(bridge->errorMessage(nullptr, "Modal", "open at quit", true), 0);

    // Another thread waits in the colour picker, a loop of its own on the GUI thread; a third
    // keeps asking screen questions. Both must come back when the GUI side goes.
    std::atomic<bool> pickerBack { false };
    std::thread picker([&] {
        bridge->m_pickColor(VRIX::Color(1, 0, 0), "pick at quit");
        pickerBack = true;
    });
    std::atomic<bool> stopAsking { false };
    std::atomic<int> answers { 0 };
    std::atomic<bool> askerBack { false };
    std::thread asker([&] {
        while (!stopAsking) {
            bridge->m_getNumScreens();
            bridge->m_isTooltipVisible();
            ++answers;
        }
        askerBack = true;
    });
    // However the test ends, the helpers are released (the quit does that) and joined.
    const auto releaseHelpers = qScopeGuard([&] {
        stopAsking = true;
        bridge->quit();
        picker.join();
        asker.join();
    });
    ASSERT_TRUE(vxtest::waitUntil([] { return modalTitle() == "pick at quit"; }));

    // A modal alert runs its loop inside the picker's; posted so this thread goes on.
    // Straight to the GUI thread: its row is a send, and this thread must go on.
    vxtest::post(new QtHandleString6IntMessage(
        nullptr, MSGBOXCreateModalAlertMsg, "Alert", u"open at quit", "One", "Two", "", 1, ""));
    ASSERT_TRUE(vxtest::waitUntil([] { return modalTitle() == "Alert"; }));
    ASSERT_TRUE(vxtest::waitUntil([&] {
        vxtest::runEngineCommands();
        return !listener.events.empty();
    })) << "events should flow before the quit";

    // A backlog of posts and sends, then the quit right behind it.
    int unknown = 0;
    for (int i = 0; i < kPosts; ++i) {
        VXButton& button = *buttons[static_cast<std::size_t>(i % kButtons)];
        button.setEnabled(i % 3 != 0);
        button.setLabel(i % 2 ? "odd" : "even");
        // Counted, so their release can be checked; straight to the GUI thread, whose dispatcher
        // takes any message class with the row's fields.
        vxtest::post(new vxtest::CountedMessage(&unknown, HideMsg, i));
        if (i % 2000 == 0) {
            button.isEnabled();
            check->getLabel();
            vxtest::runEngineCommands();
        }
    }
    watchdog.note("quit under load");
    bridge->quit();
    const std::size_t deliveredAtQuit = listener.events.size();
    watchdog.note("after quit");

    EXPECT_EQ(QtBridge::m_thread, nullptr);
    EXPECT_TRUE(vxtest::waitUntil([&] { return pickerBack.load(); }, std::chrono::seconds(30)))
        << "the colour picker's caller stayed blocked";
    stopAsking = true;
    EXPECT_TRUE(vxtest::waitUntil([&] { return askerBack.load(); }, std::chrono::seconds(30)))
        << "the screen questions' caller stayed blocked (" << answers << " answers)";

    // Nothing is delivered after the quit, however the engine is pumped.
    EXPECT_EQ(VXBridge::getNextEvent(), nullptr) << "an event raised during the quit was kept";
    while (vxtest::runEngineCommands() > 0) { }
    VXEvent::processPendingEvents();
    EXPECT_EQ(listener.events.size(), deliveredAtQuit);
    EXPECT_EQ(vxtest::g_alive.load(), 0) << "a message posted before the quit was never released";

    // Every operation afterwards is harmless and answers failure.
    VXButton& button = *buttons.front();
    button.setLabel("late");
    button.setLabel(u"late");
    button.setEnabled(true);
    button.show();
    button.click();
    button.setToolTip(u"late");
    EXPECT_FALSE(button.isEnabled());
    EXPECT_FALSE(button.isVisible());
    EXPECT_TRUE(button.imGetToolTip().empty());
    check->setChecked(true);
    EXPECT_FALSE(check->getChecked());
    EXPECT_TRUE(check->getLabel().empty());
    // (Creations and message boxes after a quit are the bridge shutdown test's.)
    bridge->triggerAssertionInGuiThread();
    bridge->triggerSegvInGuiThread();
    bridge->increaseUIThreadPriority(true);
    EXPECT_FALSE(bridge->m_pickColor(VRIX::Color(0, 1, 0), "late").has_value());
    EXPECT_EQ(bridge->m_getNumScreens(), 0);
    bridge->quit(); // a second quit finds nothing to do

    // Proxies deleted after the quit ask nothing of the GUI side.
    for (auto& b : buttons)
        b->removeEventListener(&listener, ButtonPressEvent);
    buttons.clear();
    check.reset();
    EXPECT_EQ(vxtest::g_alive.load(), 0);
}

} // namespace
