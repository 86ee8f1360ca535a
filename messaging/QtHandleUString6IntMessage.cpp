#include "messaging/QtHandleUString6IntMessage.h"

#include "messaging/MessageText.h"

QtHandleUString6IntMessage::QtHandleUString6IntMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleUString6IntMessage::QtHandleUString6IntMessage(void* target, VXMessageType id,
    const std::u16string& title, const std::u16string& text, const std::u16string& button1,
    const std::u16string& button2, const std::u16string& button3, int defaultButton,
    const std::u16string& iconPath)
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

QtHandleUString6IntMessage::~QtHandleUString6IntMessage() = default;
