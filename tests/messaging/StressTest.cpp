#include "messaging/QtIntMessage.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "vx_qtgui/GuiThread.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

using vxtest::runOnGuiThread;
using vxtest::waitUntil;

namespace {

using vxtest::CountedMessage;
using vxtest::g_alive;

constexpr int kPosts = 200000;
constexpr int kPostsPerSend = kPosts / 2000;

TEST(StressTest, InterleavedPostsAndSendsAreHandledInOrderOnce)
{
    ASSERT_NO_FATAL_FAILURE(vxtest::startGuiThreadOnce());
    GuiThread* thread = vxtest::guiThread();
    ASSERT_EQ(g_alive.load(), 0);

    int key = 0; // its address is the peer key
    // Written only on the GUI thread; read here after a send or runOnGuiThread has ordered it.
    std::vector<int> seen;
    seen.reserve(kPosts + kPosts / kPostsPerSend);
    int offGuiThread = 0;
    int wrongPayload = 0;
    vxtest::ProbeWidget* probe
        = vxtest::ProbeWidget::make(&key, [&](VXMessageType type, QtMessage* msg) {
              if (QThread::currentThread() != qApp->thread())
                  ++offGuiThread;
              auto* numbered = dynamic_cast<QtIntMessage*>(msg);
              if (!numbered || (type != HideMsg && type != IsVisibleMsg)) {
                  ++wrongPayload;
                  return;
              }
              seen.push_back(numbered->m_int);
              // A send must be synchronous and nothing else may be.
              if ((type == IsVisibleMsg) != (msg->m_syncControl != nullptr))
                  ++wrongPayload;
              vxtest::ProbeWidget::answer(msg, static_cast<int>(seen.size()));
          });

    int sequence = 0;
    for (int post = 0; post < kPosts; ++post) {
        thread->postMessage(QtMessageHolder(new CountedMessage(&key, HideMsg, sequence++)), false);
        if ((post + 1) % kPostsPerSend != 0)
            continue;
        const int number = sequence++;
        // Everything issued so far, this send included, has been seen.
        const int answer = thread->sendMessage(
            QtMessageHolder(new CountedMessage(&key, IsVisibleMsg, number)), nullptr);
        if (answer != number + 1) {
            ADD_FAILURE() << "wrong answer " << answer << " at sequence number " << number;
            break;
        }
    }

    std::vector<int> copy;
    runOnGuiThread([&] { copy = seen; });
    ASSERT_EQ(copy.size(), static_cast<std::size_t>(sequence));
    int outOfOrder = 0;
    for (int i = 0; i < sequence; ++i)
        outOfOrder += copy[i] != i ? 1 : 0;
    EXPECT_EQ(outOfOrder, 0);
    EXPECT_EQ(offGuiThread, 0);
    EXPECT_EQ(wrongPayload, 0);

    // The GUI thread may still hold the last packet for a moment after the last send returned.
    EXPECT_TRUE(waitUntil([] { return g_alive.load() == 0; }))
        << g_alive.load() << " messages were never freed";

    runOnGuiThread([&] { delete probe; });
}

} // namespace
