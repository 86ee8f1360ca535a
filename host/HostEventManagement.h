#pragma once

#include "vrix/services/EventManagement.h"
#include "vxhost_export.h"

#include <atomic>

namespace VXHost {

/// The host's "EventManagement" service: a fixed event handle and counters a test can read and
/// steer. Any thread.
class VXHOST_EXPORT HostEventManagement : public VXServices::EventManagement {
public:
    static constexpr std::int64_t eventHandle = 0x56584556; // non-zero, fixed for the process

    std::int64_t getEventHandle() override { return eventHandle; }
    void notifyEventsPending() override;
    /// Counts the call and returns what setRedoEventsResult set (0 at first).
    int redoEvents() override;

    void setRedoEventsResult(int result);
    int redoEventsCalls() const;
    int eventsPendingNotifications() const;

private:
    std::atomic<int> m_redoResult { 0 };
    std::atomic<int> m_redoCalls { 0 };
    std::atomic<int> m_pendingNotifications { 0 };
};

} // namespace VXHost
