#include "messaging/QtBoolInt2Message.h"

QtBoolInt2Message::QtBoolInt2Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtBoolInt2Message::~QtBoolInt2Message() = default;
