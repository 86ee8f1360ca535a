#include "messaging/QtHandleString6IntMessage.h"

#include "messaging/MessageText.h"

QtHandleString6IntMessage::QtHandleString6IntMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleString6IntMessage::QtHandleString6IntMessage(void* target, VXMessageType id,
    const char* title, const std::u16string& text, const char* button1, const char* button2,
    const char* button3, int defaultButton, const char* iconPath)
    : QtMessage(target, id)
    , m_string1(messageText(title))
    , m_string2(messageText(text))
    , m_string3(messageText(button1))
    , m_string4(messageText(button2))
    , m_string5(messageText(button3))
    , m_int(defaultButton)
    , m_string6(messageText(iconPath))
{
}

QtHandleString6IntMessage::~QtHandleString6IntMessage() = default;
