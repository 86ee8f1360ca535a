#include "messaging/QtProgressMessage.h"

#include "messaging/MessageText.h"

QtProgressMessage::QtProgressMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtProgressMessage::QtProgressMessage(void* target, VXMessageType id, const std::u16string& text1,
    const std::u16string& text2, int value1, int value2, int value3, bool flag)
    : QtMessage(target, id)
    , m_string1(messageText(text1))
    , m_string2(messageText(text2))
    , m_int1(value1)
    , m_int2(value2)
    , m_int3(value3)
    , m_bool(flag)
{
}

QtProgressMessage::~QtProgressMessage() = default;
