#pragma once

#include "messaging/QtMessage.h"

class GuiApplication;

/// The bridge's view of the GUI thread: what the engine side needs to start it, hand it messages
/// and stop it. The GUI side installs the factory at load, so the message layer never includes
/// a GUI header. Used on the engine thread.
class VXGuiThread {
public:
    using Factory = VXGuiThread* (*)(unsigned long flags);

    VXGuiThread() = default;
    VXGuiThread(const VXGuiThread&) = delete;
    VXGuiThread& operator=(const VXGuiThread&) = delete;
    virtual ~VXGuiThread();

    /// Has the host run the GUI thread; returns at once.
    virtual void start() = 0;
    /// Waits, in 10 ms polls (at most 60000), until the application exists.
    virtual void waitForAppToStart() = 0;
    /// Ends the event loop and returns once the application is gone.
    virtual void quit() = 0;
    virtual void postMessage(const QtMessageHolder& msg, bool keepAsynchronous) = 0;
    /// Waits until the GUI thread has handled `msg`, or at most `deadlineMs` when it is positive;
    /// the handler's result, else 0 and no reply.
    virtual int sendMessage(const QtMessageHolder& msg, QtMessageHolder* reply, int deadlineMs = 0)
        = 0;
    virtual void increaseUIThreadPriority(bool increase) = 0;
    /// The application object, or null while there is none. Opaque to the engine side.
    virtual GuiApplication* getApplication() const = 0;

    /// Installed by the GUI side at load.
    static void setFactory(Factory factory);
    /// A new GUI thread object, or null when no GUI side is linked in.
    static VXGuiThread* create(unsigned long flags);
};
