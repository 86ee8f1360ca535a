#include "messaging/QtUIDsMessage.h"

QtUIDsMessage::QtUIDsMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtUIDsMessage::~QtUIDsMessage() = default;
