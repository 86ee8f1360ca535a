#include "messaging/QtStringList2Message.h"

QtStringList2Message::QtStringList2Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtStringList2Message::~QtStringList2Message() = default;
