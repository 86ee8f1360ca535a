#pragma once

#include "messaging/QtMessage.h"
#include "messaging/VXGuiThread.h"
#include "vrix/vxim/Emitter.h"

#include <atomic>

class GuiApplication;
class GuiThreadPrivate;

/// Owns the life of the Qt side: has the host run the Qt event loop on the main thread, builds
/// the application there and carries the emitter through which every message reaches the
/// dispatcher. Built, started, used and quit on the engine thread; run() is the GUI thread.
class GuiThread : public VXGuiThread {
public:
    using MessageEmitter = VXIM::Emitter<void(QtMessageHolder), VXIM::KeepAll>;

    explicit GuiThread(unsigned long flags);
    ~GuiThread() override;

    /// Asks the host to run runThread(this) on the main thread; returns at once.
    void start() override;
    /// False until the event loop is about to start.
    virtual bool isRunning() const;
    /// The GUI thread's whole life: application, event loop, teardown.
    virtual void run();
    /// Queues a message for the dispatcher. While VXBridge's m_imPost is set the post becomes a
    /// send, unless `keepAsynchronous`.
    void postMessage(const QtMessageHolder& msg, bool keepAsynchronous) override;
    /// Queues a message and waits until the dispatcher has handled it; returns the handler's
    /// integer result and stores its reply in `reply` (when both exist). 0 when the GUI side is
    /// gone or never started, or when a positive `deadlineMs` passes first (the message may still
    /// be handled later; its result is then dropped).
    int sendMessage(
        const QtMessageHolder& msg, QtMessageHolder* reply, int deadlineMs = 0) override;
    void increaseUIThreadPriority(bool increase) override;

    /// Host entry point on the main thread; `thread` is the GuiThread to run.
    static void runThread(void* thread);

    /// Ends the event loop and returns once the application is gone.
    void quit() override;
    /// Waits, in 10 ms polls (at most 60000), until the application exists.
    void waitForAppToStart() override;
    /// True when the host runs with its desktop.
    static bool isVELMARDestkop();

    GuiApplication* getApplication() const override { return m_application.load(); }
    bool hasFinished() const { return m_finished.load(); }
    MessageEmitter& messageEmitter() { return m_emitter; }

private:
    /// Waits as waitForAppToStart; whether the application exists afterwards.
    bool waitForApplication();
    /// Whether a send that has not completed can still complete.
    bool canComplete() const;

    MessageEmitter m_emitter;
    // Written on the GUI thread, polled on the engine thread.
    std::atomic<GuiThreadPrivate*> m_private;
    std::atomic<GuiApplication*> m_application;
    std::atomic<GuiApplication*> m_startedApplication;
    unsigned long m_flags;
    std::atomic<bool> m_finished;
};
