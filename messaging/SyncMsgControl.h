#pragma once

#include "messaging/QtMessage.h"

#include <QMutex>
#include <QWaitCondition>

/// Rendezvous of one synchronous send. Lives on the sending (engine) thread's stack; the GUI
/// thread writes the result and calls setDone, after which it touches the record no more.
class SyncMsgControl {
public:
    SyncMsgControl();
    /// Takes the mutex once, so a setDone still unlocking on the GUI thread has let go of it.
    ~SyncMsgControl();

    bool isDone();
    /// GUI thread: marks the message handled and wakes the sender; the last use of the record.
    void setDone();
    /// Waits at most `milliseconds` for setDone; returns whether it has happened.
    bool waitUntilDone(int milliseconds);
    /// GUI thread: keeps a reference on `reply` (replacing an earlier reply).
    void setReturnMsg(const QtMessageHolder& reply);

    const QtMessageHolder& returnMsg() const { return m_returnMsg; }

    bool m_done;
    QMutex m_mutex;
    std::int32_t m_returnValue;
    QtMessageHolder m_returnMsg;
    QWaitCondition m_condition;

private:
    Q_DISABLE_COPY(SyncMsgControl)
};
