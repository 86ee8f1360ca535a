#include "messaging/QtIntMessage.h"

QtIntMessage::QtIntMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtIntMessage::QtIntMessage(void* target, VXMessageType id, int value)
    : QtMessage(target, id)
    , m_int(value)
{
}

QtIntMessage::~QtIntMessage() = default;
