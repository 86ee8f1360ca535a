#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "vrix/BlockArena.h"
#include "vxqtgui_export.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <new>
#include <utility>

class VXMEObjectData;
class VXMEObjectMessageData;

/// A list of records as it travels between host and explorer; whoever holds it owns every element.
using VXMEObjectDataList = std::list<VXMEObjectData*>;

/// Base of every explorer record: names one host object, or a placeholder row of a list that is
/// loaded incrementally. Owned by exactly one holder at a time; any thread, one at a time.
class VXQTGUI_EXPORT VXMEObjectData {
public:
    explicit VXMEObjectData(UDInterface* object = nullptr);
    VXMEObjectData(const VXMEObjectData&) = delete;
    VXMEObjectData& operator=(const VXMEObjectData&) = delete;
    virtual ~VXMEObjectData();

    // Records of a list built inside a `Bulk` scope come from shared blocks (see below). A
    // subclass aligned beyond a pointer's alignment is a heap block of its own.
    static void* operator new(std::size_t size);
    static void operator delete(void* pointer) noexcept;
    static void* operator new(std::size_t size, std::align_val_t alignment);
    static void operator delete(void* pointer, std::align_val_t alignment) noexcept;

    /// While one lives on a thread, the records made there (of every record class) are cut from
    /// 32 KB blocks shared with their neighbours: building a list of a million costs a few
    /// thousand allocations, and the explorer frees it, on its own thread, at one atomic step per
    /// record. Build long lists inside one; records made outside are heap blocks as usual.
    /// Scopes nest.
    using Bulk = VRIX::BlockArena::Bulk;

    /// Both records name the same host object.
    virtual bool equals(const VXMEObjectData* other) const;
    virtual bool equals(const UDInterface* object) const;

    /// The record as a row or node description; null for other kinds. A virtual call costs a
    /// long list less than a dynamic_cast per record.
    virtual const VXMEObjectMessageData* messageData() const { return nullptr; }
    VXMEObjectMessageData* messageData()
    {
        return const_cast<VXMEObjectMessageData*>(std::as_const(*this).messageData());
    }

    /// Deletes every element and the list, then nulls the pointer; null is accepted.
    static void destroyList(VXMEObjectDataList*& list);

    UDInterface* object = nullptr;
    std::uint64_t index = 0;
    UDInterface* owner = nullptr;
};
