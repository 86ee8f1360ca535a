#include "host/HostEventManagement.h"

namespace VXHost {

void HostEventManagement::notifyEventsPending()
{
    m_pendingNotifications.fetch_add(1);
}

int HostEventManagement::redoEvents()
{
    m_redoCalls.fetch_add(1);
    return m_redoResult.load();
}

void HostEventManagement::setRedoEventsResult(int result)
{
    m_redoResult.store(result);
}

int HostEventManagement::redoEventsCalls() const
{
    return m_redoCalls.load();
}

int HostEventManagement::eventsPendingNotifications() const
{
    return m_pendingNotifications.load();
}

} // namespace VXHost
