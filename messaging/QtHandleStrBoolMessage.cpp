#include "messaging/QtHandleStrBoolMessage.h"

#include "messaging/MessageText.h"

QtHandleStrBoolMessage::QtHandleStrBoolMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleStrBoolMessage::QtHandleStrBoolMessage(
    void* target, VXMessageType id, void* handle, const std::u16string& text, bool flag)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string(messageText(text))
    , m_bool(flag)
{
}

QtHandleStrBoolMessage::~QtHandleStrBoolMessage() = default;
