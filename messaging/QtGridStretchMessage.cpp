#include "messaging/QtGridStretchMessage.h"

QtGridStretchMessage::QtGridStretchMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtGridStretchMessage::~QtGridStretchMessage()
{
    delete[] m_rowStretch;
    delete[] m_columnStretch;
}
