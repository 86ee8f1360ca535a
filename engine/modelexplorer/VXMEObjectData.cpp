#include "engine/modelexplorer/VXMEObjectData.h"

VXMEObjectData::VXMEObjectData(UDInterface* object)
    : object(object)
{
}

VXMEObjectData::~VXMEObjectData() = default;

bool VXMEObjectData::equals(const VXMEObjectData* other) const
{
    return other && other->object == object;
}

bool VXMEObjectData::equals(const UDInterface* candidate) const
{
    return candidate == object;
}

void VXMEObjectData::destroyList(VXMEObjectDataList*& list)
{
    if (!list)
        return;
    for (VXMEObjectData* record : *list)
        delete record;
    delete list;
    list = nullptr;
}
