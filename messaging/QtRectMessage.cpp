#include "messaging/QtRectMessage.h"

QtRectMessage::QtRectMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtRectMessage::~QtRectMessage() = default;

void QtRectMessage::setRect(int x, int y, int width, int height)
{
    m_left = x;
    m_top = y;
    m_right = x + width - 1;
    m_bottom = y + height - 1;
}
