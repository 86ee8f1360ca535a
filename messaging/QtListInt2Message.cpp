#include "messaging/QtListInt2Message.h"

#include "messaging/MessageText.h"

QtListInt2Message::QtListInt2Message(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtListInt2Message::~QtListInt2Message() = default;

void QtListInt2Message::addListItem(const char* text)
{
    m_list.append(messageText(text));
}

void QtListInt2Message::addListItem(const std::u16string& text)
{
    m_list.append(messageText(text));
}
