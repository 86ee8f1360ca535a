// The rendezvous record of a send, driven by plain threads.
#include "messaging/SyncMsgControl.h"
#include "messaging/QtIntMessage.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

namespace {

struct Release {
    void operator()(SyncMsgControl* control) const { control->releaseReference(); }
};
using ControlRef = std::unique_ptr<SyncMsgControl, Release>;

TEST(SyncMsgControl, WaitReportsWhetherTheMessageWasHandled)
{
    const ControlRef control(new SyncMsgControl);
    EXPECT_FALSE(control->isDone());
    EXPECT_FALSE(control->waitUntilDone(1));
    control->setDone();
    EXPECT_TRUE(control->isDone());
    EXPECT_TRUE(control->waitUntilDone(0));
}

TEST(SyncMsgControl, ReplyIsHeldOnceAndReplacedCleanly)
{
    QtMessageHolder first(new QtIntMessage(nullptr, HideMsg, 1));
    QtMessageHolder second(new QtIntMessage(nullptr, HideMsg, 2));
    {
        const ControlRef control(new SyncMsgControl);
        control->setReturnMsg(first);
        control->setReturnMsg(first);
        EXPECT_EQ(first->referenceCount(), 2);
        control->setReturnMsg(second);
        EXPECT_EQ(first->referenceCount(), 1);
        EXPECT_EQ(second->referenceCount(), 2);
    }
    EXPECT_EQ(second->referenceCount(), 1);
}

// The waiter and the completing thread each hold a reference; a waiter that leaves before the
// answer (a send past its deadline) must not take the record with it. Odd rounds leave at once,
// even rounds wait; a premature free shows up under the sanitizers.
TEST(SyncMsgControl, RecordOutlivesAWaiterThatLeavesFirst)
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
            const ControlRef own(control);
            control->m_returnValue = 42;
            control->setReturnMsg(QtMessageHolder(new QtIntMessage(nullptr, HideMsg, 7)));
            control->setDone();
        }
    });

    int answered = 0;
    for (int round = 0; round < 2000; ++round) {
        const ControlRef control(new SyncMsgControl);
        control->addReference();
        while (slot.load()) {
            std::this_thread::yield();
        }
        slot.store(control.get());
        if (round % 2 == 1)
            continue;
        while (!control->waitUntilDone(10)) { }
        answered += control->m_returnValue == 42 && control->returnMsg() ? 1 : 0;
    }
    while (slot.load()) {
        std::this_thread::yield();
    }
    stop = true;
    completer.join();
    EXPECT_EQ(answered, 1000);
}

} // namespace
