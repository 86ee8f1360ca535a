#include "messaging/QtHandleNumStrMessage.h"

#include "messaging/MessageText.h"

QtHandleNumStrMessage::QtHandleNumStrMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleNumStrMessage::QtHandleNumStrMessage(
    void* target, VXMessageType id, void* handle, int value, const std::u16string& text)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_int(value)
    , m_string(messageText(text))
{
}

QtHandleNumStrMessage::~QtHandleNumStrMessage() = default;
