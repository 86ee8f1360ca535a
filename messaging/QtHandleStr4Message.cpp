#include "messaging/QtHandleStr4Message.h"

#include "messaging/MessageText.h"

QtHandleStr4Message::QtHandleStr4Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtHandleStr4Message::QtHandleStr4Message(void* target, VXMessageType id, void* handle,
    const char* text1, const char* text2, const char* text3, const char* text4, bool translate)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string1(messageText(text1, translate))
    , m_string2(messageText(text2, translate))
    , m_string3(messageText(text3, translate))
    , m_string4(messageText(text4, translate))
{
}

QtHandleStr4Message::QtHandleStr4Message(void* target, VXMessageType id, void* handle,
    const std::u16string& text1, const std::u16string& text2, const std::u16string& text3,
    const std::u16string& text4)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string1(messageText(text1))
    , m_string2(messageText(text2))
    , m_string3(messageText(text3))
    , m_string4(messageText(text4))
{
}

QtHandleStr4Message::QtHandleStr4Message(void* target, VXMessageType id, void* handle,
    const std::u16string& text1, const QString& text2, const QString& text3)
    : QtMessage(target, id)
    , m_handle(handle)
    , m_string1(messageText(text1))
    , m_string2(text2)
    , m_string3(text3)
{
}

QtHandleStr4Message::~QtHandleStr4Message() = default;
