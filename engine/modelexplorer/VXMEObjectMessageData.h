#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "vxqtgui_export.h"

#include <string>
#include <vector>

class VXMEObjectExtension;
class VXUStringList;

/// What the host sends for one tree node or list row. Owns its children, value lists,
/// attribute vectors and extension.
class VXQTGUI_EXPORT VXMEObjectMessageData : public VXMEObjectData {
public:
    using AttributeVector = std::vector<VXPropertyAttribute>;

    explicit VXMEObjectMessageData(UDInterface* object);
    ~VXMEObjectMessageData() override;

    using VXMEObjectData::messageData;
    const VXMEObjectMessageData* messageData() const override { return this; }

    /// Appends a non-null child, creating the list on first use; takes ownership.
    void addChild(VXMEObjectMessageData* child);

    VXMEObjectDataList* children = nullptr;
    std::u16string label;
    std::u16string iconPath;
    VXUStringList* listValues = nullptr;
    VXUStringList* treeValues = nullptr;
    AttributeVector* listAttributes = nullptr;
    AttributeVector* treeAttributes = nullptr;
    bool itemFlag = false;
    VXMEObjectExtension* extension = nullptr;
    std::u16string sortKey;
    std::u16string groupName;
};
