#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"
#include "messaging/VXMessageType.h"

#include <string>

/// Posting lists of explorer records: the message owns the list and frees every record with
/// it, whether the widget handles it, is gone, or the bridge has quit. Engine thread.
namespace vxpeer {

void releaseRecords(void* list);
/// The list alone.
void postRecords(const void* target, VXMessageType id, VXMEObjectDataList* list);
/// The list with a flag.
void postRecords(const void* target, VXMessageType id, VXMEObjectDataList* list, bool flag);
/// The list with a text (the list message of a replaced list).
void postRecords(
    const void* target, VXMessageType id, VXMEObjectDataList* list, const std::u16string& text);

} // namespace vxpeer
