#include "messaging/QtContainerPeer.h"

#include "engine/VXWidget.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStringMessage.h"

namespace {

void* handleOf(const VXObject* object)
{
    return const_cast<void*>(static_cast<const void*>(object));
}

} // namespace

void QtContainerPeer::postRect(
    VXWidget* peer, VXMessageType type, int x, int y, int width, int height)
{
    auto* message = new QtRectMessage(peer, type);
    message->setRect(x, y, width, height);
    QtBridge::post(message);
}

VRIX::VXRect<int> QtContainerPeer::sendForRect(VXWidget* peer, VXMessageType type)
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(peer, type), &reply);
    const auto* rect = dynamic_cast<const QtRectMessage*>(reply.get());
    if (!rect)
        return {};
    return VRIX::VXRect<int>::fromEdges(rect->m_left, rect->m_top, rect->m_right, rect->m_bottom);
}

void QtContainerPeer::postHandle(VXWidget* peer, VXMessageType type, const VXObject* handle)
{
    QtBridge::post(new QtHandleMessage(peer, type, handleOf(handle)));
}

void QtContainerPeer::postHandleInts(
    VXWidget* peer, VXMessageType type, const VXObject* handle, int a, int b, int c, int d, int e)
{
    auto* message = new QtHandleInt5Message(peer, type);
    message->m_handle = handleOf(handle);
    message->m_int1 = a;
    message->m_int2 = b;
    message->m_int3 = c;
    message->m_int4 = d;
    message->m_int5 = e;
    QtBridge::post(message);
}

void QtContainerPeer::postInts(VXWidget* peer, VXMessageType type, int a, int b)
{
    auto* message = new QtInt5Message(peer, type);
    message->m_int1 = a;
    message->m_int2 = b;
    QtBridge::post(message);
}

int QtContainerPeer::sendForInt(VXWidget* peer, VXMessageType type)
{
    QtMessageHolder reply;
    const int result = QtBridge::send(new QtMessage(peer, type), &reply);
    if (const auto* value = dynamic_cast<const QtIntMessage*>(reply.get()))
        return value->m_int;
    return result;
}

std::string QtContainerPeer::sendForLocal8Bit(VXWidget* peer, VXMessageType type)
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(peer, type), &reply);
    const auto* text = dynamic_cast<const QtStringMessage*>(reply.get());
    return text ? text->m_string.toLocal8Bit().toStdString() : std::string();
}
