#include "messaging/QtString2BoolMessage.h"

QtString2BoolMessage::QtString2BoolMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtString2BoolMessage::~QtString2BoolMessage() = default;
