#include "messaging/QtWidgetPeer.h"

#include "engine/VXWidget.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtBridge.h"
#include "messaging/QtDoubleArrayMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStringMessage.h"

void* QtWidgetPeer::key(VXWidget* peer)
{
    return static_cast<void*>(peer);
}

void QtWidgetPeer::post(VXWidget* peer, VXMessageType type)
{
    QtBridge::post(new QtMessage(key(peer), type));
}

void QtWidgetPeer::postBool(VXWidget* peer, VXMessageType type, bool flag)
{
    QtBridge::post(new QtBoolMessage(key(peer), type, flag));
}

void QtWidgetPeer::postInt(VXWidget* peer, VXMessageType type, int value)
{
    QtBridge::post(new QtIntMessage(key(peer), type, value));
}

void QtWidgetPeer::postText(VXWidget* peer, VXMessageType type, const std::u16string& text)
{
    QtBridge::post(new QtStringMessage(key(peer), type, text));
}

void QtWidgetPeer::postText(VXWidget* peer, VXMessageType type, const char* text)
{
    QtBridge::post(new QtStringMessage(key(peer), type, text ? text : "", true));
}

void QtWidgetPeer::postRect(VXWidget* peer, int x, int y, int width, int height)
{
    auto* message = new QtRectMessage(key(peer), SetRectMsg);
    message->setRect(x, y, width, height);
    QtBridge::post(message);
}

void QtWidgetPeer::postSize(VXWidget* peer, VXMessageType type, int width, int height)
{
    auto* message = new QtInt5Message(key(peer), type);
    message->m_int1 = width;
    message->m_int2 = height;
    QtBridge::post(message);
}

void QtWidgetPeer::postColor(VXWidget* peer, VXMessageType type, int red, int green, int blue)
{
    auto* message = new QtInt5Message(key(peer), type);
    message->m_int1 = red;
    message->m_int2 = green;
    message->m_int3 = blue;
    QtBridge::post(message);
}

void QtWidgetPeer::postFont(
    VXWidget* peer, const char* family, int pointSize, int bold, int italic, int underline)
{
    QtBridge::post(new QtStrInt4Message(
        key(peer), SetFontMsg, family ? family : "", pointSize, bold, italic, underline, false));
}

int QtWidgetPeer::sendForResult(VXWidget* peer, VXMessageType type)
{
    return QtBridge::send(new QtMessage(key(peer), type));
}

std::u16string QtWidgetPeer::sendForText(VXWidget* peer, VXMessageType type)
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(key(peer), type), &reply);
    const auto* text = dynamic_cast<const QtStringMessage*>(reply.get());
    if (!text)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(text->m_string.utf16()),
        static_cast<std::size_t>(text->m_string.size()));
}

VRIX::VXPoint<int> QtWidgetPeer::sendForPoint(QtMessage* request)
{
    QtMessageHolder reply;
    QtBridge::send(request, &reply);
    const auto* point = dynamic_cast<const QtInt5Message*>(reply.get());
    return point ? VRIX::VXPoint<int>(point->m_int1, point->m_int2) : VRIX::VXPoint<int>();
}

bool QtWidgetPeer::sendForColor(
    VXWidget* peer, VXMessageType type, double& red, double& green, double& blue)
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(key(peer), type), &reply);
    const auto* values = dynamic_cast<const QtDoubleArrayMessage*>(reply.get());
    if (!values || !values->m_array || values->m_count < 3)
        return false;
    red = values->m_array[0];
    green = values->m_array[1];
    blue = values->m_array[2];
    return true;
}

void QtWidgetPeer::destroy(VXWidget* peer)
{
    if (!peer)
        return;
    peer->deleteChildren();
    post(peer, DestroyWidgetMsg);
}
