#include "messaging/QtActionMessage.h"

#include "messaging/MessageText.h"

QtActionMessage::QtActionMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtActionMessage::QtActionMessage(void* target, VXMessageType id, void* handle,
    const std::u16string& text1, const std::u16string& text2, const std::u16string& text3,
    const std::u16string& text4, const std::u16string& text5, const std::u16string& text6,
    bool flag1, bool flag2, bool flag3, bool flag4)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string1(messageText(text1))
    , m_string2(messageText(text2))
    , m_string3(messageText(text3))
    , m_string4(messageText(text4))
    , m_string5(messageText(text5))
    , m_string6(messageText(text6))
    , m_bool1(flag1)
    , m_bool2(flag2)
    , m_bool3(flag3)
    , m_bool4(flag4)
{
}

QtActionMessage::~QtActionMessage() = default;
