#pragma once

#include "engine/VXEvent.h"
#include "vxqtgui_export.h"

/// An event carrying int values (for example splitter sizes). Takes the array, which
/// must come from array new; a null array or a negative count gives an empty one.
class VXQTGUI_EXPORT VXEventIntArray : public VXEvent {
public:
    VXEventIntArray(VXEventType type, VXWidget* widget, int* values, int count);
    ~VXEventIntArray() override;

    const int* getValues() const { return m_values; }
    int getCount() const { return m_count; }

private:
    int* m_values;
    int m_count;
};
