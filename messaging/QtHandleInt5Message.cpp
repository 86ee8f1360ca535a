#include "messaging/QtHandleInt5Message.h"

QtHandleInt5Message::QtHandleInt5Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleInt5Message::~QtHandleInt5Message() = default;
