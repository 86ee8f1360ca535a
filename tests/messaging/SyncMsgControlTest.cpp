// The rendezvous record of a send, driven by plain threads.
#include "messaging/SyncMsgControl.h"
#include "messaging/QtIntMessage.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

TEST(SyncMsgControl, WaitReportsWhetherTheMessageWasHandled)
{
    SyncMsgControl control;
    EXPECT_FALSE(control.isDone());
    EXPECT_FALSE(control.waitUntilDone(1));
    control.setDone();
    EXPECT_TRUE(control.isDone());
    EXPECT_TRUE(control.waitUntilDone(0));
}

TEST(SyncMsgControl, ReplyIsHeldOnceAndReplacedCleanly)
{
    QtMessageHolder first(new QtIntMessage(nullptr, HideMsg, 1));
    QtMessageHolder second(new QtIntMessage(nullptr, HideMsg, 2));
    {
        SyncMsgControl control;
        control.setReturnMsg(first);
        control.setReturnMsg(first);
        EXPECT_EQ(first->referenceCount(), 2);
        control.setReturnMsg(second);
        EXPECT_EQ(first->referenceCount(), 1);
        EXPECT_EQ(second->referenceCount(), 2);
    }
    EXPECT_EQ(second->referenceCount(), 1);
}

// The record lives on the waiter's stack and dies as soon as the waiter sees it done; the
// completing thread must not touch it afterwards. Each round reuses the same stack slot, so a
// late touch shows up under the sanitizers.
TEST(SyncMsgControl, RecordOnTheWaitersStackSurvivesManyHandovers)
{
    std::atomic<SyncMsgControl*> slot { nullptr };
    std::atomic<bool> stop { false };
    std::thread completer([&] {
        while (!stop.load()) {
            SyncMsgControl* control = slot.exchange(nullptr);
            if (!control) {
                std::this_thread::yield();
                continue;
            }
            control->m_returnValue = 42;
            control->setReturnMsg(QtMessageHolder(new QtIntMessage(nullptr, HideMsg, 7)));
            control->setDone();
        }
    });

    int completed = 0;
    for (int round = 0; round < 2000; ++round) {
        SyncMsgControl control;
        slot.store(&control);
        while (!control.waitUntilDone(10)) { }
        completed += control.m_returnValue == 42 && control.returnMsg() ? 1 : 0;
    }
    stop = true;
    completer.join();
    EXPECT_EQ(completed, 2000);
}

} // namespace
