#include "messaging/RecordPosts.h"

#include "messaging/PeerCall.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleNumStrMessage.h"

namespace vxpeer {

void releaseRecords(void* list)
{
    auto* records = static_cast<VXMEObjectDataList*>(list);
    VXMEObjectData::destroyList(records);
}

void postRecords(const void* target, VXMessageType id, VXMEObjectDataList* list)
{
    post(makeOwningHandleMessage(target, id, list, &releaseRecords));
}

void postRecords(const void* target, VXMessageType id, VXMEObjectDataList* list, bool flag)
{
    auto* message = new QtHandleBoolMessage(const_cast<void*>(target), id);
    message->m_handle = list;
    message->m_bool = flag;
    message->m_owned.own(list, &releaseRecords);
    post(message);
}

void postRecords(
    const void* target, VXMessageType id, VXMEObjectDataList* list, const std::u16string& text)
{
    auto* message = new QtHandleNumStrMessage(const_cast<void*>(target), id, list, 0, text);
    message->m_owned.own(list, &releaseRecords);
    post(message);
}

} // namespace vxpeer
