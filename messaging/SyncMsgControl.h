#pragma once

#include "messaging/QtMessage.h"

#include <QMutex>
#include <QWaitCondition>

#include <atomic>

/// Rendezvous of one synchronous send, shared by the sender and its message: a sender that gives
/// up at its deadline leaves, and the GUI thread may still write the result into the record,
/// which the message's last holder frees.
class SyncMsgControl {
public:
    /// One reference, the creator's.
    SyncMsgControl();

    void addReference();
    /// Drops one reference; the last one deletes the record.
    void releaseReference();

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
    /// Takes the mutex once, so a setDone still unlocking on the GUI thread has let go of it.
    ~SyncMsgControl();

    std::atomic<int> m_references;
    Q_DISABLE_COPY(SyncMsgControl)
};
