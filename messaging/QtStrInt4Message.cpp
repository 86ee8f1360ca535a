#include "messaging/QtStrInt4Message.h"

#include "messaging/MessageText.h"

QtStrInt4Message::QtStrInt4Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtStrInt4Message::QtStrInt4Message(void* target, VXMessageType id, const char* text, int value1,
    int value2, int value3, int value4, bool translate)
    : QtMessage(target, id)
    , m_string(messageText(text, translate))
    , m_int1(value1)
    , m_int2(value2)
    , m_int3(value3)
    , m_int4(value4)
{
}

QtStrInt4Message::QtStrInt4Message(void* target, VXMessageType id, const std::u16string& text,
    int value1, int value2, int value3, int value4)
    : QtMessage(target, id)
    , m_string(messageText(text))
    , m_int1(value1)
    , m_int2(value2)
    , m_int3(value3)
    , m_int4(value4)
{
}

QtStrInt4Message::~QtStrInt4Message() = default;
