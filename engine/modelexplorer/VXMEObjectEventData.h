#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"
#include "vxqtgui_export.h"

#include <string>

class VXStringList;
class VXUStringList;

/// What the explorer attaches to an event about one host object: the object, the path to the
/// root through `parent`, and for edits the property names with their new values. Owns all three.
class VXQTGUI_EXPORT VXMEObjectEventData : public VXMEObjectData {
public:
    explicit VXMEObjectEventData(UDInterface* object);
    ~VXMEObjectEventData() override;

    /// A null name is ignored.
    void addPropertyName(const char* name);
    void addPropertyValue(const std::u16string& value);
    /// A null name adds neither the name nor the value.
    void addPropertyValuePair(const char* name, const std::u16string& value);
    void cleanupPropertyValues();

    VXMEObjectEventData* parent = nullptr;
    VXStringList* propertyNames = nullptr;
    VXUStringList* propertyValues = nullptr;
};
