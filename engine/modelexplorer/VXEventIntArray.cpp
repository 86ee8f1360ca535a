#include "engine/modelexplorer/VXEventIntArray.h"

VXEventIntArray::VXEventIntArray(VXEventType type, VXWidget* widget, int* values, int count)
    : VXEvent(type, widget)
    , m_values(values)
    , m_count(values && count > 0 ? count : 0)
{
}

VXEventIntArray::~VXEventIntArray()
{
    delete[] m_values;
}
