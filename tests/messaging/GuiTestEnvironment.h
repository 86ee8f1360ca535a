#pragma once

#include "messaging/QtMessage.h"
#include "tests/support/GuiThreadRunner.h"
#include "vx_qtgui/GuiCreationRoute.h"

#include <chrono>
#include <functional>

class GuiThread;

namespace vxtest {

/// Starts the GUI thread the way the bridge does, once per test binary (engine thread), and
/// quits it when the tests are done. Tests then post and send through `guiThread()`.
void startGuiThreadOnce();
GuiThread* guiThread();
// Work on the GUI thread: runOnGuiThread (GuiThreadRunner.h). Posts made before it are handled
// first, since each has a wake-up queued ahead of the call.

/// Waits, yielding, until `done` holds; false when `timeout` passed first.
bool waitUntil(const std::function<bool()>& done,
    std::chrono::milliseconds timeout = std::chrono::seconds(20));

/// Engine thread: straight to the GUI thread, past the checks the bridge would make first.
void post(QtMessage* msg, bool keepAsynchronous = false);
int send(QtMessage* msg, QtMessageHolder* reply = nullptr);
/// The GUI side's registered objects; a send, so everything posted before it has been handled.
int guiObjectCount();

/// Installs a creation route for the life of this object, then puts back what was there.
class ScopedCreationRoute {
public:
    explicit ScopedCreationRoute(const GuiCreationRoute::Entry& entry);
    ~ScopedCreationRoute();
    ScopedCreationRoute(const ScopedCreationRoute&) = delete;
    ScopedCreationRoute& operator=(const ScopedCreationRoute&) = delete;

private:
    VXMessageType m_type;
    bool m_had = false;
    GuiCreationRoute::Entry m_saved {};
};

} // namespace vxtest
