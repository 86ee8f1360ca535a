#include "messaging/QtUIDStringList2Message.h"

QtUIDStringList2Message::QtUIDStringList2Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtUIDStringList2Message::~QtUIDStringList2Message() = default;
