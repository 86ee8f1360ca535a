#include "messaging/QtOwnedPointer.h"

QtOwnedPointer::~QtOwnedPointer()
{
    if (m_release)
        m_release(m_pointer);
}

void QtOwnedPointer::own(void* pointer, Release release)
{
    if (m_release)
        m_release(m_pointer);
    m_pointer = pointer;
    m_release = pointer ? release : nullptr;
}

void* QtOwnedPointer::takeRaw()
{
    if (!m_release)
        return nullptr;
    m_release = nullptr;
    return m_pointer;
}
