#include "messaging/QtInt5Message.h"

QtInt5Message::QtInt5Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtInt5Message::~QtInt5Message() = default;
