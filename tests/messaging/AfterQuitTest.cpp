// Traffic around the GUI thread's quit: what was posted before is still handled, what comes after
// is dropped with a trace line and never leaves a sender waiting. The GUI thread runs once per
// process, hence a binary of its own.
#include "messaging/QtIntMessage.h"
#include "messaging/SyncMsgControl.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TraceCapture.h"
#include "vx_qtgui/GuiThread.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

using vxtest::runOnGui;

namespace {

using vxtest::CountedMessage;
using vxtest::g_alive;

TEST(AfterQuitTest, EarlierPostsAreHandledLaterTrafficIsDroppedAndTraced)
{
    vxtest::startGuiThreadOnce();
    GuiThread* thread = vxtest::guiThread();
    ASSERT_NE(thread, nullptr);
    int key = 0; // its address is the peer key
    // Written on the GUI thread until it has quit, read here afterwards.
    std::vector<int> seen;
    runOnGui([&] {
        // Left registered: the application deletes it when it goes.
        new vxtest::ProbeWidget(&key, [&](VXMessageType, QtMessage* msg) {
            if (auto* numbered = dynamic_cast<QtIntMessage*>(msg))
                seen.push_back(numbered->m_int);
        });
    });
    vxtest::TraceCapture trace;
    ASSERT_TRUE(trace.start());

    std::vector<int> expected;
    for (int i = 0; i < 500; ++i) {
        thread->postMessage(QtMessageHolder(new CountedMessage(&key, HideMsg, i)), false);
        expected.push_back(i);
    }
    thread->quit();
    ASSERT_TRUE(thread->hasFinished());
    EXPECT_EQ(seen, expected) << "a message posted before the quit was lost";

    // Nobody serves messages any more: each is dropped, a sender gets 0 and no reply.
    thread->postMessage(QtMessageHolder(new CountedMessage(&key, ShowMsg, 1000)), false);
    QtMessageHolder reply;
    EXPECT_EQ(
        thread->sendMessage(QtMessageHolder(new CountedMessage(&key, IsVisibleMsg, 1001)), &reply),
        0);
    EXPECT_FALSE(reply);
    trace.stop();
    EXPECT_EQ(seen.size(), expected.size());
    EXPECT_EQ(g_alive.load(), 0) << "a message outlived the GUI thread";

    const QStringList lines = trace.lines();
    EXPECT_EQ(lines.count("VELMAR dropped message - 35 ShowMsg"), 1)
        << lines.join('\n').toStdString();
    EXPECT_EQ(lines.count("VELMAR dropped message - 16 IsVisibleMsg"), 1);
    // Nothing handled before the quit counts as dropped.
    EXPECT_EQ(lines.filter("dropped").size(), 2);
}

} // namespace
