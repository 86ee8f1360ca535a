#include "messaging/QtHandleMessage.h"

QtHandleMessage::QtHandleMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleMessage::QtHandleMessage(void* target, VXMessageType id, void* handle)
    : QtMessage(target, id)
    , m_handle(handle)
{
}

QtHandleMessage::~QtHandleMessage() = default;
