#include "engine/modelexplorer/VXMEObjectData.h"

VXMEObjectData::VXMEObjectData(UDInterface* object)
    : object(object)
{
}

VXMEObjectData::~VXMEObjectData() = default;

void* VXMEObjectData::operator new(std::size_t size)
{
    return VRIX::BlockArena::allocate(size);
}

void VXMEObjectData::operator delete(void* pointer) noexcept
{
    VRIX::BlockArena::release(pointer);
}

void* VXMEObjectData::operator new(std::size_t size, std::align_val_t alignment)
{
    return ::operator new(size, alignment);
}

void VXMEObjectData::operator delete(void* pointer, std::align_val_t alignment) noexcept
{
    ::operator delete(pointer, alignment);
}

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
