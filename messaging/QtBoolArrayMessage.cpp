#include "messaging/QtBoolArrayMessage.h"

#include <algorithm>

QtBoolArrayMessage::QtBoolArrayMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtBoolArrayMessage::~QtBoolArrayMessage()
{
    delete[] m_array;
}

void QtBoolArrayMessage::setValues(const bool* values, int count)
{
    delete[] m_array;
    m_array = nullptr;
    m_count = 0;
    if (!values || count <= 0)
        return;
    m_array = new bool[count];
    std::copy(values, values + count, m_array);
    m_count = count;
}
