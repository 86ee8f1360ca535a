#include "messaging/QtString2Message.h"

#include "messaging/MessageText.h"

QtString2Message::QtString2Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtString2Message::QtString2Message(
    void* target, VXMessageType id, const std::u16string& first, const std::u16string& second)
    : QtMessage(target, id)
    , m_string1(messageText(first))
    , m_string2(messageText(second))
{
}

QtString2Message::QtString2Message(
    void* target, VXMessageType id, const char* first, const char* second, bool translate)
    : QtMessage(target, id)
    , m_string1(messageText(first, translate))
    , m_string2(messageText(second, translate))
{
}

QtString2Message::~QtString2Message() = default;
