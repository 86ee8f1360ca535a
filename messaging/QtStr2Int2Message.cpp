#include "messaging/QtStr2Int2Message.h"

#include "messaging/MessageText.h"

QtStr2Int2Message::QtStr2Int2Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtStr2Int2Message::QtStr2Int2Message(void* target, VXMessageType id, const char* first,
    const char* second, int value1, int value2, bool translate)
    : QtMessage(target, id)
    , m_string1(messageText(first, translate))
    , m_string2(messageText(second, translate))
    , m_int1(value1)
    , m_int2(value2)
{
}

QtStr2Int2Message::~QtStr2Int2Message() = default;
