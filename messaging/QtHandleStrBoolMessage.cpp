#include "messaging/QtHandleStrBoolMessage.h"

#include "messaging/MessageText.h"

QtHandleStrBoolMessage::QtHandleStrBoolMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleStrBoolMessage::QtHandleStrBoolMessage(
    void* target, VXMessageType id, void* handle, const std::u16string& text, bool flag)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string(messageText(text))
    , m_bool(flag)
{
}

QtHandleStrBoolMessage::QtHandleStrBoolMessage(void* target, VXMessageType id, void* handle,
    Release release, const std::u16string& text, bool flag)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string(messageText(text))
    , m_bool(flag)
    , m_release(handle ? release : nullptr)
{
}

QtHandleStrBoolMessage::~QtHandleStrBoolMessage()
{
    // Whichever thread drops the last reference frees what nobody took.
    if (m_release)
        m_release(m_handle);
}
