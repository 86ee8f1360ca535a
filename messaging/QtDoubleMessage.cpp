#include "messaging/QtDoubleMessage.h"

QtDoubleMessage::QtDoubleMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtDoubleMessage::QtDoubleMessage(void* target, VXMessageType id, double value)
    : QtMessage(target, id)
    , m_double(value)
{
}

QtDoubleMessage::~QtDoubleMessage() = default;
