#include "engine/modelexplorer/VXEventBoolArray.h"

VXEventBoolArray::VXEventBoolArray(VXEventType type, VXWidget* widget, bool* values, int count)
    : VXEvent(type, widget)
    , m_values(values)
    , m_count(values && count > 0 ? count : 0)
{
}

VXEventBoolArray::~VXEventBoolArray()
{
    delete[] m_values;
}
