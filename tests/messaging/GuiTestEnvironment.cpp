#include "tests/messaging/GuiTestEnvironment.h"

#include "messaging/QtBridge.h"
#include "tests/support/EngineExitHooks.h"
#include "vx_qtgui/GuiThread.h"

#include <gtest/gtest.h>

#include <thread>

namespace vxtest {

void startGuiThreadOnce()
{
    if (QtBridge::m_thread)
        return;
    auto* thread = new GuiThread(0);
    QtBridge::m_thread = thread;
    thread->start();
    thread->waitForAppToStart();
    ASSERT_NE(thread->getApplication(), nullptr) << "the GUI thread did not start";
    atEngineExit([thread] {
        thread->quit();
        QtBridge::m_thread = nullptr;
        delete thread;
    });
}

GuiThread* guiThread()
{
    return static_cast<GuiThread*>(QtBridge::m_thread);
}

bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void post(QtMessage* msg, bool keepAsynchronous)
{
    guiThread()->postMessage(QtMessageHolder(msg), keepAsynchronous);
}

int send(QtMessage* msg, QtMessageHolder* reply)
{
    return guiThread()->sendMessage(QtMessageHolder(msg), reply);
}

int guiObjectCount()
{
    return send(new QtMessage(nullptr, IMGetWidgetCountMsg));
}

ScopedCreationRoute::ScopedCreationRoute(const GuiCreationRoute::Entry& entry)
    : m_type(entry.type)
{
    runOnGuiThread([&] { m_had = GuiCreationRoute::replace(entry, &m_saved); });
}

ScopedCreationRoute::~ScopedCreationRoute()
{
    runOnGuiThread([this] {
        if (m_had)
            GuiCreationRoute::replace(m_saved);
        else
            GuiCreationRoute::remove(m_type);
    });
}

} // namespace vxtest
