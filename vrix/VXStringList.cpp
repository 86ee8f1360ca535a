#include "vrix/VXStringList.h"

void VXStringList::addElement(const char* text)
{
    m_elements.emplace_back(text ? text : "");
}

const char* VXStringList::firstElement()
{
    m_cursor = 0;
    return elementAt(0);
}

const char* VXStringList::nextElement()
{
    if (m_cursor < 0 || m_cursor >= size())
        return nullptr;
    ++m_cursor;
    return elementAt(m_cursor);
}

const char* VXStringList::elementAt(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return m_elements[std::size_t(index)].c_str();
}

void VXStringList::clear()
{
    m_elements.clear();
    m_cursor = -1;
}
