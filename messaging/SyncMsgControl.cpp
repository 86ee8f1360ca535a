#include "messaging/SyncMsgControl.h"

#include "vrix/SanitizerAnnotations.h"

namespace {

// Holds the record's mutex. Each hold is also stated to the thread sanitizer as an acquire on
// entry and a release on exit, including the release and re-acquire inside a wait.
class AutoRecordLock {
public:
    explicit AutoRecordLock(SyncMsgControl* control)
        : m_control(control)
    {
        m_control->m_mutex.lock();
        vxTsanAcquire(m_control);
    }
    ~AutoRecordLock()
    {
        vxTsanRelease(m_control);
        m_control->m_mutex.unlock();
    }
    AutoRecordLock(const AutoRecordLock&) = delete;
    AutoRecordLock& operator=(const AutoRecordLock&) = delete;

    void wait(int milliseconds)
    {
        vxTsanRelease(m_control);
        m_control->m_condition.wait(
            &m_control->m_mutex, static_cast<unsigned long>(milliseconds < 0 ? 0 : milliseconds));
        vxTsanAcquire(m_control);
    }

private:
    SyncMsgControl* const m_control;
};

} // namespace

SyncMsgControl::SyncMsgControl()
    : m_done(false)
    , m_returnValue(0)
    , m_references(1)
{
}

void SyncMsgControl::addReference()
{
    m_references.fetch_add(1, std::memory_order_relaxed);
}

void SyncMsgControl::releaseReference()
{
    if (m_references.fetch_sub(1, std::memory_order_acq_rel) == 1)
        delete this;
}

SyncMsgControl::~SyncMsgControl()
{
    const AutoRecordLock lock(this);
}

bool SyncMsgControl::isDone()
{
    const AutoRecordLock lock(this);
    return m_done;
}

void SyncMsgControl::setDone()
{
    // Signalled under the mutex: the sender cannot see m_done, return and destroy the record
    // before this unlock has released it.
    const AutoRecordLock lock(this);
    m_done = true;
    m_condition.wakeAll();
}

bool SyncMsgControl::waitUntilDone(int milliseconds)
{
    AutoRecordLock lock(this);
    if (!m_done)
        lock.wait(milliseconds);
    return m_done;
}

void SyncMsgControl::setReturnMsg(const QtMessageHolder& reply)
{
    if (reply != m_returnMsg)
        m_returnMsg = reply;
}
