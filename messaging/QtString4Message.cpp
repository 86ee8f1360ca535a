#include "messaging/QtString4Message.h"

#include "messaging/MessageText.h"

QtString4Message::QtString4Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtString4Message::QtString4Message(void* target, VXMessageType id, const std::u16string& text1,
    const std::u16string& text2, const std::u16string& text3, const std::u16string& text4)
    : QtMessage(target, id)
    , m_string1(messageText(text1))
    , m_string2(messageText(text2))
    , m_string3(messageText(text3))
    , m_string4(messageText(text4))
{
}

QtString4Message::~QtString4Message() = default;
