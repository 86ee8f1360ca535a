#include "messaging/QtHandleBoolMessage.h"

QtHandleBoolMessage::QtHandleBoolMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleBoolMessage::~QtHandleBoolMessage() = default;
