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

QtHandleMessage::QtHandleMessage(void* target, VXMessageType id, void* handle, Release release)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_release(handle ? release : nullptr)
{
}

QtHandleMessage::~QtHandleMessage()
{
    // Whichever thread drops the last reference frees what nobody took.
    if (m_release)
        m_release(m_handle);
}
