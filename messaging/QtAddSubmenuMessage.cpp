#include "messaging/QtAddSubmenuMessage.h"

#include "messaging/MessageText.h"

QtAddSubmenuMessage::QtAddSubmenuMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtAddSubmenuMessage::QtAddSubmenuMessage(void* target, VXMessageType id, void* handle,
    const std::u16string& text1, const std::u16string& text2, bool flag)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string1(messageText(text1))
    , m_string2(messageText(text2))
    , m_bool(flag)
{
}

QtAddSubmenuMessage::~QtAddSubmenuMessage() = default;
