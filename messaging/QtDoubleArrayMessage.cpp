#include "messaging/QtDoubleArrayMessage.h"

#include <algorithm>

QtDoubleArrayMessage::QtDoubleArrayMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtDoubleArrayMessage::~QtDoubleArrayMessage()
{
    delete[] m_array;
}

void QtDoubleArrayMessage::setValues(const double* values, int count)
{
    delete[] m_array;
    m_array = nullptr;
    m_count = 0;
    if (!values || count <= 0)
        return;
    m_array = new double[count];
    std::copy(values, values + count, m_array);
    m_count = count;
}
