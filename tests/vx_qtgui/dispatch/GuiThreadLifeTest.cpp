// The whole life of the GUI thread: start, serve, quit. One per process, so its own binary.
#include "messaging/QtBridge.h"
#include "messaging/QtIntMessage.h"
#include "messaging/SyncMsgControl.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThread.h"

#include <gtest/gtest.h>

namespace {

int send(GuiThread& thread, VXMessageType type)
{
    return thread.sendMessage(QtMessageHolder(new QtMessage(nullptr, type)), nullptr);
}

TEST(GuiThreadLife, StartsServesAndQuitsClosingItsQueue)
{
    GuiThread::runThread(nullptr); // does nothing

    GuiThread thread(0);
    EXPECT_FALSE(thread.isRunning());
    QtBridge::m_thread = &thread;
    thread.start();
    thread.waitForAppToStart();
    ASSERT_NE(thread.getApplication(), nullptr);
    EXPECT_TRUE(thread.isRunning());
    EXPECT_FALSE(thread.hasFinished());
    EXPECT_EQ(send(thread, IMGetWidgetCountMsg), 0);

    thread.quit();
    EXPECT_TRUE(thread.hasFinished());
    EXPECT_EQ(thread.getApplication(), nullptr);
    const VXIM::Thread gui = VXIM::Thread::getNamedThread("Qt");
    EXPECT_TRUE(gui.isValid());
    EXPECT_TRUE(gui.isClosed());

    // Nobody serves messages any more: a send answers 0 instead of waiting, a post is dropped.
    EXPECT_EQ(send(thread, IMGetWidgetCountMsg), 0);
    thread.postMessage(QtMessageHolder(new QtIntMessage(nullptr, HideMsg, 1)), false);
    thread.quit(); // a second quit returns at once
    QtBridge::m_thread = nullptr;
}

} // namespace
