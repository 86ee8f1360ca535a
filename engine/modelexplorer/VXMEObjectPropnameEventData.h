#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "engine/modelexplorer/VXMEEvent.h"
#include "vxqtgui_export.h"

/// A click on a property hyperlink: the row's object and the property's name.
class VXQTGUI_EXPORT VXMEObjectPropnameEventData : public VXMEEvent {
public:
    VXMEObjectPropnameEventData(VXEventType type, VXWidget* widget, UDInterface* object);
    ~VXMEObjectPropnameEventData() override;

    /// Keeps a copy, replacing the previous one; null is ignored.
    void setPropertyName(const char* name);
    /// Null until a name is set.
    const char* getPropertyName() const { return m_propertyName; }
    UDInterface* getObject() const { return m_object; }

private:
    UDInterface* m_object;
    char* m_propertyName = nullptr;
};
