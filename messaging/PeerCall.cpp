#include "messaging/PeerCall.h"

#include "engine/HostFunctions.h"
#include "engine/VXMessagePort.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtBridge.h"
#include "messaging/QtDoubleArrayMessage.h"
#include "messaging/QtDoubleMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/VXMessageCatalogue.h"

namespace vxpeer {

namespace {

void* key(const void* target)
{
    return const_cast<void*>(target);
}

// The reply of `request` as the class the caller reads, or null (a missing reply is normal for a
// widget that is gone; a reply of another class is traced).
template <class Reply> const Reply* replyAs(const QtMessageHolder& reply, VXMessageType id)
{
    if (!reply)
        return nullptr;
    const auto* typed = dynamic_cast<const Reply*>(reply.get());
    if (!typed)
        VXMessageCatalogue::traceReplyMismatch(id, *reply, typeid(Reply));
    return typed;
}

} // namespace

void post(const void* target, VXMessageType id)
{
    QtBridge::post(new QtMessage(key(target), id));
}

void post(const void* target, VXMessageType id, bool flag)
{
    QtBridge::post(new QtBoolMessage(key(target), id, flag));
}

void post(const void* target, VXMessageType id, int value)
{
    QtBridge::post(new QtIntMessage(key(target), id, value));
}

void post(const void* target, VXMessageType id, double value)
{
    QtBridge::post(new QtDoubleMessage(key(target), id, value));
}

void post(const void* target, VXMessageType id, const std::u16string& text)
{
    QtBridge::post(new QtStringMessage(key(target), id, text));
}

void post(const void* target, VXMessageType id, const char* text)
{
    QtBridge::post(new QtStringMessage(key(target), id, text ? text : "", true));
}

void post(const void* target, VXMessageType id, Handle handle)
{
    QtBridge::post(new QtHandleMessage(key(target), id, key(handle.pointer)));
}

void post(const void* target, VXMessageType id, Handle handle, bool flag)
{
    auto* message = new QtHandleBoolMessage(key(target), id);
    message->m_handle = key(handle.pointer);
    message->m_bool = flag;
    QtBridge::post(message);
}

void post(const void* target, VXMessageType id, Ints ints)
{
    QtBridge::post(new QtInt5Message(key(target), id, ints.a, ints.b, ints.c, ints.d, ints.e));
}

void post(const void* target, VXMessageType id, HandleInts h)
{
    QtBridge::post(
        new QtHandleInt5Message(key(target), id, key(h.pointer), h.a, h.b, h.c, h.d, h.e));
}

void post(const void* target, VXMessageType id, Rect rect)
{
    auto* message = new QtRectMessage(key(target), id);
    message->setRect(rect.x, rect.y, rect.width, rect.height);
    QtBridge::post(message);
}

void post(const void* target, VXMessageType id, Font font)
{
    QtBridge::post(new QtStrInt4Message(key(target), id, font.family ? font.family : "",
        font.pointSize, font.bold, font.italic, font.underline, false));
}

void post(QtMessage* message)
{
    QtBridge::post(message);
}

int send(QtMessage* message)
{
    return QtBridge::send(message);
}

int send(const void* target, VXMessageType id)
{
    return QtBridge::send(new QtMessage(key(target), id));
}

QtMessageHolder sendForReply(QtMessage* request)
{
    QtMessageHolder reply;
    QtBridge::send(request, &reply);
    return reply;
}

QtMessage* makeOwningHandleMessage(
    const void* target, VXMessageType id, void* owned, void (*release)(void*))
{
    return new QtHandleMessage(key(target), id, owned, release);
}

template <> int ask<int>(QtMessage* request)
{
    return QtBridge::send(request);
}

template <> bool ask<bool>(QtMessage* request)
{
    return QtBridge::send(request) != 0;
}

template <> std::u16string ask<std::u16string>(QtMessage* request)
{
    const VXMessageType id = request ? request->messageType() : VXMessageType {};
    const QtMessageHolder reply = sendForReply(request);
    const auto* text = replyAs<QtStringMessage>(reply, id);
    if (!text)
        return {};
    return std::u16string(reinterpret_cast<const char16_t*>(text->m_string.utf16()),
        static_cast<std::size_t>(text->m_string.size()));
}

template <> Color ask<Color>(QtMessage* request)
{
    const VXMessageType id = request ? request->messageType() : VXMessageType {};
    const QtMessageHolder reply = sendForReply(request);
    const auto* values = replyAs<QtDoubleArrayMessage>(reply, id);
    Color color;
    if (values && values->m_array && values->m_count >= 3) {
        color.red = values->m_array[0];
        color.green = values->m_array[1];
        color.blue = values->m_array[2];
        color.valid = true;
    }
    return color;
}

template <> VRIX::VXPoint<int> ask<VRIX::VXPoint<int>>(QtMessage* request)
{
    const VXMessageType id = request ? request->messageType() : VXMessageType {};
    const QtMessageHolder reply = sendForReply(request);
    const auto* point = replyAs<QtInt5Message>(reply, id);
    return point ? VRIX::VXPoint<int>(point->m_int1, point->m_int2) : VRIX::VXPoint<int>();
}

template <> VRIX::VXRect<int> ask<VRIX::VXRect<int>>(QtMessage* request)
{
    const VXMessageType id = request ? request->messageType() : VXMessageType {};
    const QtMessageHolder reply = sendForReply(request);
    const auto* rect = replyAs<QtRectMessage>(reply, id);
    if (!rect)
        return {};
    return VRIX::VXRect<int>::fromEdges(rect->m_left, rect->m_top, rect->m_right, rect->m_bottom);
}

template <> std::list<std::u16string> ask<std::list<std::u16string>>(QtMessage* request)
{
    const VXMessageType id = request ? request->messageType() : VXMessageType {};
    const QtMessageHolder reply = sendForReply(request);
    std::list<std::u16string> texts;
    if (const auto* list = replyAs<QtListInt2Message>(reply, id)) {
        for (const QString& text : list->m_list)
            texts.emplace_back(reinterpret_cast<const char16_t*>(text.utf16()),
                static_cast<std::size_t>(text.size()));
    }
    return texts;
}

bool askColor(const void* target, VXMessageType id, double& red, double& green, double& blue)
{
    const Color color = ask<Color>(target, id);
    if (color.valid) {
        red = color.red;
        green = color.green;
        blue = color.blue;
    }
    return color.valid;
}

int askReplyInt(QtMessage* request, int fallback)
{
    const VXMessageType id = request ? request->messageType() : VXMessageType {};
    const QtMessageHolder reply = sendForReply(request);
    const auto* value = replyAs<QtIntMessage>(reply, id);
    return value ? value->m_int : fallback;
}

namespace {

QString askQString(const void* target, VXMessageType id)
{
    const QtMessageHolder reply = sendForReply(new QtMessage(key(target), id));
    const auto* text = replyAs<QtStringMessage>(reply, id);
    return text ? text->m_string : QString();
}

} // namespace

std::string askText8(const void* target, VXMessageType id)
{
    return askQString(target, id).toLocal8Bit().toStdString();
}

char* askDup8(const void* target, VXMessageType id)
{
    const QtMessageHolder reply = sendForReply(new QtMessage(key(target), id));
    const auto* text = replyAs<QtStringMessage>(reply, id);
    return text ? utStrdup(text->m_string.toLocal8Bit().constData()) : nullptr;
}

std::string askLatin1(const void* target, VXMessageType id)
{
    return askQString(target, id).toLatin1().toStdString();
}

} // namespace vxpeer

namespace {

// The base proxy's own messages (the highlight) go through this, so the proxy layer needs no
// message header.
class PeerMessagePort : public VXMessagePort {
public:
    void postHighlight(VXWidget* target, bool on, int a, int b, int c, int d) override
    {
        vxpeer::post(target, SetWidgetHighlightColorMsg, vxpeer::Ints { on ? 1 : 0, a, b, c, d });
    }

    bool askHighlighted(VXWidget* target) override
    {
        return vxpeer::ask<bool>(target, IsWidgetHighlightedMsg);
    }
};

PeerMessagePort s_port;
const bool s_portInstalled = [] {
    VXMessagePort::install(&s_port);
    return true;
}();

} // namespace
