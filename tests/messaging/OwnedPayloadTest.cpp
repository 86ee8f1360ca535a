// Run under LeakSanitizer these also prove nothing else leaks. The last test quits the GUI
// thread, which happens once per process: hence a binary of its own.
#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TraceCapture.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThread.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <vector>

using vxtest::CountedMessage;
using vxtest::runOnGuiThread;

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
        ASSERT_NO_FATAL_FAILURE(vxtest::startGuiThreadOnce());
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
    vxtest::ProbeWidget::make(&key, [&](VXMessageType type, QtMessage* msg) {
        auto* handle = dynamic_cast<QtHandleMessage*>(msg);
        if (type != MESetRootMsg || !handle)
            return;
        std::unique_ptr<CountedRecord> record = handle->take<CountedRecord>();
        EXPECT_FALSE(handle->ownsHandle());
        EXPECT_EQ(handle->take<CountedRecord>(), nullptr) << "taken twice";
        numbers.push_back(record->number);
        kept.push_back(std::move(record));
    });
    for (int i = 0; i < 100; ++i)
        vxpeer::postOwned(&key, MESetRootMsg, new CountedRecord(i));
    // A send is handled after every earlier post.
    vxpeer::ask<bool>(&key, IsEnabledMsg);
    EXPECT_EQ(CountedRecord::alive.load(), 100) << "a message freed what its handler took";
    runOnGuiThread([&] {
        EXPECT_EQ(numbers.size(), 100u);
        kept.clear();
        delete GuiApplication::findWidget(&key);
    });
    EXPECT_EQ(CountedRecord::alive.load(), 0);
    EXPECT_EQ(CountedRecord::freed.load(), 100);
}

TEST_F(OwnedPayloadTest, RecordsOfDroppedMessagesAreFreed)
{
    int key = 0;
    runOnGuiThread([&] { delete new vxtest::ProbeWidget(&key, {}); });
    // A bare row: an owning handle message does not fit it and is refused before it travels.
    postMany(&key, HideMsg);
    EXPECT_EQ(CountedRecord::alive.load(), 0);
    EXPECT_EQ(CountedRecord::freed.load(), kMany);
    // A row that fits, to a destroyed widget: dropped on the GUI thread.
    postMany(&key, MESetRootMsg);
    EXPECT_TRUE(allFreed()) << CountedRecord::alive.load() << " records leaked";
    EXPECT_EQ(CountedRecord::freed.load(), 2 * kMany);
}

// Last: the GUI thread quits here.
TEST_F(OwnedPayloadTest, QuitServesEarlierPostsThenDropsTracesAndFreesWhatComes)
{
    GuiThread::runThread(nullptr); // does nothing
    GuiThread* thread = vxtest::guiThread();
    EXPECT_TRUE(thread->isRunning());
    EXPECT_FALSE(thread->hasFinished());
    int key = 0;
    std::vector<int> seen; // written on the GUI thread until it has quit, read here afterwards
    // Left registered: the application deletes it when it goes.
    vxtest::ProbeWidget::make(&key, [&](VXMessageType, QtMessage* msg) {
        if (auto* numbered = dynamic_cast<QtIntMessage*>(msg))
            seen.push_back(numbered->m_int);
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
    EXPECT_EQ(thread->getApplication(), nullptr);
    const VXIM::Thread gui = VXIM::Thread::getNamedThread("Qt");
    EXPECT_TRUE(gui.isValid());
    EXPECT_TRUE(gui.isClosed());

    // The thread object still exists: its queue drops what comes now, a sender gets 0 at once.
    thread->postMessage(QtMessageHolder(new CountedMessage(&key, ShowMsg, 1000)), false);
    QtMessageHolder reply;
    EXPECT_EQ(
        thread->sendMessage(QtMessageHolder(new CountedMessage(&key, IsVisibleMsg, 1001)), &reply),
        0);
    EXPECT_FALSE(reply);
    trace.stop();
    const QStringList lines = trace.lines();
    EXPECT_EQ(lines.count("VELMAR dropped message - 35 ShowMsg"), 1)
        << lines.join('\n').toStdString();
    EXPECT_EQ(lines.count("VELMAR dropped message - 16 IsVisibleMsg"), 1);
    // Nothing handled before the quit counts as dropped.
    EXPECT_EQ(lines.filter("dropped").size(), 2);

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
    EXPECT_EQ(CountedRecord::freed.load(), 2 * kMany);
    EXPECT_EQ(seen.size(), expected.size());
    EXPECT_EQ(vxtest::g_alive.load(), 0) << "a message outlived the GUI thread";
    thread->quit(); // a second quit returns at once
}

} // namespace
