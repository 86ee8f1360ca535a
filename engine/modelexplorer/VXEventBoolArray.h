#pragma once

#include "engine/VXEvent.h"
#include "vxqtgui_export.h"

/// An event carrying bool values (for example the states of panes). Takes the array, which
/// must come from array new; a null array or a negative count gives an empty one.
class VXQTGUI_EXPORT VXEventBoolArray : public VXEvent {
public:
    VXEventBoolArray(VXEventType type, VXWidget* widget, bool* values, int count);
    ~VXEventBoolArray() override;

    const bool* getValues() const { return m_values; }
    int getCount() const { return m_count; }

private:
    bool* m_values;
    int m_count;
};
