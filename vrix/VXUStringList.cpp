#include "vrix/VXUStringList.h"

void VXUStringList::addElement(const char16_t* text)
{
    if (text)
        m_elements.emplace_back(text);
    else
        m_elements.emplace_back();
}

const std::u16string* VXUStringList::firstElement()
{
    m_cursor = 0;
    return elementAt(0);
}

const std::u16string* VXUStringList::nextElement()
{
    if (m_cursor < 0 || m_cursor >= size())
        return nullptr;
    ++m_cursor;
    return elementAt(m_cursor);
}

const std::u16string* VXUStringList::elementAt(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return &m_elements[std::size_t(index)];
}

void VXUStringList::clear()
{
    m_elements.clear();
    m_cursor = -1;
}
