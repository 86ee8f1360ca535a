#include "messaging/QtIntArrayMessage.h"

#include <algorithm>

QtIntArrayMessage::QtIntArrayMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtIntArrayMessage::~QtIntArrayMessage()
{
    delete[] m_array;
}

void QtIntArrayMessage::setValues(const int* values, int count)
{
    delete[] m_array;
    m_array = nullptr;
    m_count = 0;
    if (!values || count <= 0)
        return;
    m_array = new int[count];
    std::copy(values, values + count, m_array);
    m_count = count;
}
