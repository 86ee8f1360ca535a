// Host-owned objects travel owned by their message: a handler that takes one owns it; a message
// that is dropped for a missing widget, refused by its catalogue row or refused after the GUI
// thread has quit frees it. Run under LeakSanitizer these also prove nothing else leaks. The GUI
// thread quits half-way, hence a binary of its own.
#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

using vxtest::runOnGui;

namespace {

// Stands in for a record, list or map the host hands over.
struct CountedRecord {
    static std::atomic<int> alive;
    static std::atomic<int> freed;
    explicit CountedRecord(int n)
        : number(n)
    {
        ++alive;
    }
    ~CountedRecord()
    {
        --alive;
        ++freed;
    }
    int number;
};
std::atomic<int> CountedRecord::alive { 0 };
std::atomic<int> CountedRecord::freed { 0 };

constexpr int kMany = 10000;

class OwnedPayloadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vxtest::startGuiThreadOnce();
        ASSERT_NE(vxtest::guiThread(), nullptr);
        CountedRecord::freed = 0;
    }
    void TearDown() override { EXPECT_EQ(CountedRecord::alive.load(), 0); }

    void postMany(const void* target, VXMessageType id)
    {
        for (int i = 0; i < kMany; ++i)
            vxpeer::postOwned(target, id, new CountedRecord(i));
    }

    static bool allFreed()
    {
        return vxtest::waitUntil([] { return CountedRecord::alive.load() == 0; });
    }
};

TEST_F(OwnedPayloadTest, HandlerThatTakesARecordOwnsItAndItIsFreedOnce)
{
    int key = 0;
    std::vector<std::unique_ptr<CountedRecord>> kept; // GUI thread only
    std::vector<int> numbers;
    runOnGui([&] {
        new vxtest::ProbeWidget(&key, [&](VXMessageType type, QtMessage* msg) {
            auto* handle = dynamic_cast<QtHandleMessage*>(msg);
            if (type != MESetRootMsg || !handle)
                return;
            std::unique_ptr<CountedRecord> record = handle->take<CountedRecord>();
            EXPECT_FALSE(handle->ownsHandle());
            EXPECT_EQ(handle->take<CountedRecord>(), nullptr) << "taken twice";
            numbers.push_back(record->number);
            kept.push_back(std::move(record));
        });
    });
    for (int i = 0; i < 100; ++i)
        vxpeer::postOwned(&key, MESetRootMsg, new CountedRecord(i));
    // A send is handled after every earlier post.
    vxpeer::ask<bool>(&key, IsEnabledMsg);
    EXPECT_EQ(CountedRecord::alive.load(), 100) << "a message freed what its handler took";
    runOnGui([&] {
        EXPECT_EQ(numbers.size(), 100u);
        kept.clear();
        delete GuiApplication::findWidget(&key);
    });
    EXPECT_EQ(CountedRecord::alive.load(), 0);
    EXPECT_EQ(CountedRecord::freed.load(), 100);
}

TEST_F(OwnedPayloadTest, RecordsPostedToADestroyedWidgetAreFreed)
{
    int key = 0;
    runOnGui([&] { delete new vxtest::ProbeWidget(&key, {}); });
    postMany(&key, MESetRootMsg);
    EXPECT_TRUE(allFreed()) << CountedRecord::alive.load() << " records leaked";
    EXPECT_EQ(CountedRecord::freed.load(), kMany);
}

TEST_F(OwnedPayloadTest, RecordsInMessagesThatDoNotFitTheirRowAreFreed)
{
    int key = 0;
    // A bare row: an owning handle message does not fit it and is refused before it travels.
    postMany(&key, HideMsg);
    EXPECT_EQ(CountedRecord::alive.load(), 0);
    EXPECT_EQ(CountedRecord::freed.load(), kMany);
}

// Last: the GUI thread quits here.
TEST_F(OwnedPayloadTest, RecordsPostedAfterQuitAreFreed)
{
    GuiThread* thread = vxtest::guiThread();
    thread->quit();
    ASSERT_TRUE(thread->hasFinished());
    int key = 0;
    // The thread object still exists: its queue refuses what comes now.
    for (int i = 0; i < kMany; ++i)
        thread->postMessage(
            QtMessageHolder(new QtHandleMessage(&key, MESetRootMsg, new CountedRecord(i),
                [](void* p) { delete static_cast<CountedRecord*>(p); })),
            false);
    EXPECT_TRUE(allFreed()) << CountedRecord::alive.load() << " records leaked";
    // And the bridge, once it has let go of the thread, refuses at once.
    QtBridge::m_thread = nullptr;
    postMany(&key, MESetRootMsg);
    QtBridge::m_thread = thread;
    EXPECT_EQ(CountedRecord::alive.load(), 0);
    EXPECT_EQ(CountedRecord::freed.load(), 2 * kMany);
}

} // namespace
