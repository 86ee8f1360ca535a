#include "messaging/QtStrIntMessage.h"

#include "messaging/MessageText.h"

QtStrIntMessage::QtStrIntMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtStrIntMessage::QtStrIntMessage(
    void* target, VXMessageType id, const std::u16string& text, int value)
    : QtMessage(target, id)
    , m_string(messageText(text))
    , m_int(value)
{
}

QtStrIntMessage::~QtStrIntMessage() = default;
