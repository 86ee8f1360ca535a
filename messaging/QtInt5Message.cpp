#include "messaging/QtInt5Message.h"

QtInt5Message::QtInt5Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtInt5Message::QtInt5Message(
    void* target, VXMessageType id, int int1, int int2, int int3, int int4, int int5)
    : QtMessage(target, id)
    , m_int1(int1)
    , m_int2(int2)
    , m_int3(int3)
    , m_int4(int4)
    , m_int5(int5)
{
}

QtInt5Message::~QtInt5Message() = default;
