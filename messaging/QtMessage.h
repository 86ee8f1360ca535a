#pragma once

#include "messaging/VXMessageType.h"
#include "vrix/AtomicCounter.h"
#include "vrix/ErrorHolder.h"
#include "vrix/Holder.h"
#include "vrix/ReferencedTemplate.h"
#include "vrix/vxim/BlockPool.h"

#include <QEvent>

#include <cstdint>

class SyncMsgControl;

/// One operation the engine thread asks of the GUI thread: the proxy it concerns, the operation
/// id (carried as the Qt event type 1000 + id) and, in subclasses, its arguments. Reference
/// counted; built on the engine thread, handled and usually released on the GUI thread.
class QtMessage : public QEvent, public VRIX::ReferencedTemplate<VRIX::AtomicCounter> {
public:
    // Made on the engine thread and freed on the GUI thread, by the thousand in a burst.
    VXIM_POOLED_ALLOCATION

    QtMessage(void* target, VXMessageType id);
    ~QtMessage() override;

    /// The operation id: the event type less 1000.
    VXMessageType messageType() const;

    /// GUI thread: hands a reply to the waiting sender's record, which keeps a reference. A reply
    /// to a posted message (no record waits) is dropped, and freed if nobody else holds it.
    void setReturnMsg(QtMessage* reply);

    /// One trace line for this message when debug logging is on; with `timed`, the time since
    /// construction is appended and counted in the message statistics.
    void debugOutput(const char* label, bool timed) const;

    /// Drops one reference; the last one deletes the message. Kept out of line so the deletion
    /// is always made through the complete message.
    void releaseReference() const noexcept;

    void* m_target;
    /// The waiting sender's rendezvous, set before a send; the message holds one reference.
    SyncMsgControl* m_syncControl;
    std::int64_t m_timestamp;
    VRIX::ErrorHolder m_error;

protected:
    /// The last holder's release deletes the whole message through its deleting destructor.
    void selfRelease() const noexcept final;

private:
    Q_DISABLE_COPY(QtMessage)
};

using QtMessageHolder = VRIX::Holder<QtMessage, 0>;
