// The order of heavy traffic is the stress test's.
#include "messaging/QtBridge.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThreadTickle.h"
#include "vx_qtgui/VXIMReentrancyProtector.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using vxtest::post;
using vxtest::ProbeWidget;
using vxtest::runOnGuiThread;
using vxtest::send;
using vxtest::waitUntil;

namespace {

constexpr int kWakeUpType = 1461;

class WakeUpCounter : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched == qApp && e->type() == kWakeUpType)
            ++count;
        return false;
    }
    std::atomic<int> count { 0 };
};

class DeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(vxtest::startGuiThreadOnce());
        runOnGuiThread([this] { m_baseline = GuiApplication::widgetCount(); });
    }

    void TearDown() override
    {
        VXBridge::m_imPost = false;
        runOnGuiThread([this] {
            if (m_wakeUps)
                qApp->removeEventFilter(m_wakeUps.get());
            m_wakeUps.reset();
            for (ProbeWidget* probe : m_probes)
                delete probe;
            EXPECT_EQ(GuiApplication::widgetCount(), m_baseline) << "a registration leaked";
        });
    }

    void addProbe(void* key, ProbeWidget::Handler handler)
    {
        m_probes.push_back(ProbeWidget::make(key, std::move(handler)));
    }

    WakeUpCounter* countWakeUps()
    {
        runOnGuiThread([this] {
            m_wakeUps = std::make_unique<WakeUpCounter>();
            qApp->installEventFilter(m_wakeUps.get());
        });
        return m_wakeUps.get();
    }

    int m_baseline = 0;
    std::vector<ProbeWidget*> m_probes;
    std::unique_ptr<WakeUpCounter> m_wakeUps; // GUI thread
    int m_key = 0; // its address is the peer key
};

TEST_F(DeliveryTest, SendAnswersWithTheHandlersResultAndReplyMessage)
{
    bool sawRecord = false;
    addProbe(&m_key, [&](VXMessageType type, QtMessage* msg) {
        sawRecord = msg->m_syncControl != nullptr;
        if (type == IsEnabledMsg)
            ProbeWidget::answer(msg, 7);
        if (type == GetToolTipMsg)
            msg->setReturnMsg(new QtStringMessage(msg->m_target, type, QStringLiteral("tip text")));
        if (type == SetFocusMsg || type == ShowMsg) {
            ProbeWidget::answer(msg, 3);
            throw std::runtime_error("handler failed");
        }
    });
    EXPECT_EQ(send(new QtMessage(&m_key, IsEnabledMsg)), 7);
    EXPECT_TRUE(sawRecord);
    // Each send has a fresh record: nothing carries over from the previous result.
    EXPECT_EQ(send(new QtMessage(&m_key, IsVisibleMsg)), 0);

    QtMessageHolder reply;
    send(new QtMessage(&m_key, GetToolTipMsg), &reply);
    auto* text = dynamic_cast<QtStringMessage*>(reply.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_string, QStringLiteral("tip text"));
    // The record and the dispatcher are gone: the caller's holder is the only owner.
    EXPECT_EQ(reply->referenceCount(), 1);

    // A getter whose handler sets no reply leaves the caller's holder as it was.
    QtMessageHolder kept(new QtIntMessage(nullptr, HideMsg, 5));
    QtMessage* before = kept.get();
    send(new QtMessage(&m_key, IsVisibleMsg), &kept);
    EXPECT_EQ(kept.get(), before);
    // A reply the caller does not take is released with the record (checked by the sanitizers).
    send(new QtMessage(&m_key, GetToolTipMsg), nullptr);

    // A handler that throws still releases the sender, and a later send is answered.
    EXPECT_EQ(send(new QtMessage(&m_key, SetFocusMsg)), 3);
    post(new QtMessage(&m_key, ShowMsg));
    EXPECT_EQ(send(new QtMessage(&m_key, IsEnabledMsg)), 7);
}

TEST_F(DeliveryTest, ManyPostsShareOneWakeUpUntilItIsServed)
{
    std::atomic<bool> blocked { false };
    std::atomic<bool> release { false };
    std::atomic<int> handled { 0 };
    addProbe(&m_key, [&](VXMessageType type, QtMessage* msg) {
        if (type != HideMsg)
            return;
        if (static_cast<QtIntMessage*>(msg)->m_int < 0) {
            blocked = true;
            while (!release)
                QThread::msleep(1);
            return;
        }
        ++handled;
    });
    WakeUpCounter* counter = countWakeUps();

    // The GUI thread serves the first wake-up and blocks in the handler.
    post(new QtIntMessage(&m_key, HideMsg, -1));
    ASSERT_TRUE(waitUntil([&] { return blocked.load(); }));
    EXPECT_EQ(getTickleGuiCounterVXIM().value(), 0) << "the served wake-up must be re-armed";

    // Posts made while it serves the queue: one new wake-up for all of them.
    for (int i = 0; i < 100; ++i)
        post(new QtIntMessage(&m_key, HideMsg, i));
    EXPECT_EQ(getTickleGuiCounterVXIM().value(), 1);
    release = true;
    ASSERT_TRUE(waitUntil([&] { return handled.load() == 100; }));

    // Deliver whatever wake-ups Qt still holds: one for the first post, one for the hundred.
    runOnGuiThread([] { QCoreApplication::sendPostedEvents(qApp, kWakeUpType); });
    EXPECT_EQ(counter->count.load(), 2);
}

// A handler that spins a nested event loop until the next wake-up has reached the
// application, optionally under a VXIMReentrancyProtector.
class NestedLoopTest : public DeliveryTest, public ::testing::WithParamInterface<bool> { };

TEST_P(NestedLoopTest, WakeUpInNestedLoopIsServedOnlyOutsideAProtectedHandler)
{
    const bool protect = GetParam();
    std::vector<std::string> order;
    std::atomic<bool> nestedLoopRunning { false };
    std::atomic<bool> outerHandlerDone { false };
    WakeUpCounter* counter = countWakeUps();
    addProbe(&m_key, [&](VXMessageType type, QtMessage* msg) {
        if (type == ShowMsg) {
            order.push_back("A begins");
            std::optional<VXIMReentrancyProtector> guard;
            if (protect)
                guard.emplace();
            const int before = counter->count.load();
            nestedLoopRunning = true;
            QTimer tick; // bounds each wait of the nested loop
            tick.start(50);
            QDeadlineTimer deadline(20000);
            while (counter->count.load() == before && !deadline.hasExpired())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            order.push_back("A ends");
            outerHandlerDone = true;
        } else if (type == HideMsg) {
            order.push_back("B");
        } else if (type == IsVisibleMsg) {
            ProbeWidget::answer(msg, static_cast<int>(order.size()));
        }
    });

    post(new QtMessage(&m_key, ShowMsg));
    ASSERT_TRUE(waitUntil([&] { return nestedLoopRunning.load(); }));
    post(new QtMessage(&m_key, HideMsg));
    ASSERT_TRUE(waitUntil([&] { return outerHandlerDone.load(); }));
    EXPECT_EQ(send(new QtMessage(&m_key, IsVisibleMsg)), 3);

    if (protect)
        EXPECT_EQ(order, (std::vector<std::string> { "A begins", "A ends", "B" }));
    else
        EXPECT_EQ(order, (std::vector<std::string> { "A begins", "B", "A ends" }));
    runOnGuiThread([&] {
        // Outside any pass: nothing left over, nothing lost.
        EXPECT_EQ(GuiApplication::current()->m_pendingTickles, 0);
        EXPECT_FALSE(GuiApplication::current()->m_reentrancyProtected);
    });
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutProtector, NestedLoopTest, ::testing::Bool(),
    [](const ::testing::TestParamInfo<bool>& info) {
        return info.param ? "Protected" : "Unprotected";
    });

TEST_F(DeliveryTest, ImPostTurnsPostsIntoSendsUnlessKeptAsynchronous)
{
    std::atomic<int> handled { 0 };
    std::atomic<bool> lastWasSent { false };
    addProbe(&m_key, [&](VXMessageType type, QtMessage* msg) {
        if (type != HideMsg)
            return;
        lastWasSent = msg->m_syncControl != nullptr;
        ++handled;
    });

    VXBridge::m_imPost = true;
    post(new QtMessage(&m_key, HideMsg));
    // Already handled when the post returns.
    EXPECT_EQ(handled.load(), 1);
    EXPECT_TRUE(lastWasSent.load());

    post(new QtMessage(&m_key, HideMsg), true);
    ASSERT_TRUE(waitUntil([&] { return handled.load() == 2; }));
    EXPECT_FALSE(lastWasSent.load());
    VXBridge::m_imPost = false;
}

} // namespace
