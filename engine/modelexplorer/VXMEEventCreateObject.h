#pragma once

#include "engine/VXEvent.h"
#include "vxqtgui_export.h"

class VXStringList;

/// A request to create an object: the event's string names the type, `getNames` the names
/// (null when there are none). Owns the list.
class VXQTGUI_EXPORT VXMEEventCreateObject : public VXEvent {
public:
    VXMEEventCreateObject(VXEventType type, VXWidget* widget, VXStringList* names);
    ~VXMEEventCreateObject() override;

    VXStringList* getNames() const { return m_names; }

private:
    VXStringList* m_names;
};
