#include "messaging/QtBoolMessage.h"

QtBoolMessage::QtBoolMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtBoolMessage::QtBoolMessage(void* target, VXMessageType id, bool value)
    : QtMessage(target, id)
    , m_bool(value)
{
}

QtBoolMessage::~QtBoolMessage() = default;
