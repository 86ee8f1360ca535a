#include "messaging/QtMessage.h"

#include "engine/VXDebugOutputLogging.h"
#include "messaging/SyncMsgControl.h"

#include <QString>

namespace {
// Qt keeps event types in 16 bits: an id far outside the catalogue would wrap onto a real one
// (65586 onto 50). Such ids are carried as the first id past the catalogue, which the
// dispatcher drops.
QEvent::Type eventTypeOf(VXMessageType id)
{
    const int value = static_cast<int>(id);
    const int carried = value >= 0 && value <= SSIsInViewMsg ? value : SSIsInViewMsg + 1;
    return static_cast<QEvent::Type>(VXMessageEventBase + carried);
}
} // namespace

QtMessage::QtMessage(void* target, VXMessageType id)
    : QEvent(eventTypeOf(id))
    , m_target(target)
    , m_syncControl(nullptr)
    , m_timestamp(VXDebugOutputLogging::m_isDebugEnabled ? VXDebugOutputLogging::currentTick() : 0)
{
}

QtMessage::~QtMessage()
{
    if (m_syncControl)
        m_syncControl->releaseReference();
}

void QtMessage::releaseReference() const noexcept
{
    ReferencedTemplate::releaseReference();
}

void QtMessage::selfRelease() const noexcept
{
    delete this;
}

VXMessageType QtMessage::messageType() const
{
    return static_cast<VXMessageType>(static_cast<int>(type()) - VXMessageEventBase);
}

void QtMessage::setReturnMsg(QtMessage* reply)
{
    // Held here first, so a reply that nobody else holds is freed when no record waits.
    const QtMessageHolder held(reply);
    if (m_syncControl && held)
        m_syncControl->setReturnMsg(held);
}

void QtMessage::debugOutput(const char* label, bool timed) const
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    const int id = messageType();
    const char* name = VXDebugOutputLogging::getMessageName(id);
    if (!name)
        name = "Unknown message ID";
    if (!label)
        label = "";
    QString line;
    if (timed) {
        const double ms = VXDebugOutputLogging::getElapsedTime(m_timestamp);
        // The statistics line, when due, goes before the sample's own line.
        VXDebugOutputLogging::addMessageTime(ms);
        line = QString::asprintf("%s - %d %s (%.3f mS)\n", label, id, name, ms);
    } else {
        line = QString::asprintf("%s - %d %s\n", label, id, name);
    }
    VXDebugOutputLogging::output(line.toLocal8Bit().constData());
}
