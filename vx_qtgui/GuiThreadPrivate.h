#pragma once

#include <thread>

class GuiThread;
class QThread;

/// What GuiThread knows of the thread that runs the event loop. Built on the GUI thread once
/// the loop is about to start; read from the engine thread.
class GuiThreadPrivate {
public:
    explicit GuiThreadPrivate(QThread* qthread);
    GuiThreadPrivate(const GuiThreadPrivate&) = delete;
    GuiThreadPrivate& operator=(const GuiThreadPrivate&) = delete;
    virtual ~GuiThreadPrivate();

    GuiThread* m_owner;
    /// A thread of our own; unused while the host lends its main thread.
    std::thread* m_thread;
    bool m_started;
    QThread* m_qthread;
};
