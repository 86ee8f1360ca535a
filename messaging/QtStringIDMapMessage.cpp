#include "messaging/QtStringIDMapMessage.h"

#include "messaging/MessageText.h"

QtStringIDMapMessage::QtStringIDMapMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtStringIDMapMessage::~QtStringIDMapMessage() = default;

void QtStringIDMapMessage::addPair(int key, const std::u16string& text)
{
    m_map.insert(key, messageText(text));
}
