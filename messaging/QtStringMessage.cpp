#include "messaging/QtStringMessage.h"

#include "messaging/MessageText.h"

QtStringMessage::QtStringMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtStringMessage::QtStringMessage(void* target, VXMessageType id, const char* text, bool translate)
    : QtMessage(target, id)
    , m_string(messageText(text, translate))
{
}

QtStringMessage::QtStringMessage(void* target, VXMessageType id, const std::u16string& text)
    : QtMessage(target, id)
    , m_string(messageText(text))
{
}

QtStringMessage::QtStringMessage(void* target, VXMessageType id, const QString& text)
    : QtMessage(target, id)
    , m_string(text)
{
}

QtStringMessage::~QtStringMessage() = default;
