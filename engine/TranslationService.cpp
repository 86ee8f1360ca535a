#include "engine/TranslationService.h"

#include "engine/HostFunctions.h"
#include "engine/UserEventRecord.h"

namespace VRIX_MI {

const char* TranslationService::translate(const char* text)
{
    return text;
}

std::int32_t TranslationService::getUserEventHandle()
{
    std::int32_t handle = m_userEventHandle.load();
    if (handle == 0) {
        handle = svWS_CreateUserEvent(&TranslationService::onUserEvent);
        m_userEventHandle.store(handle);
    }
    return handle;
}

void TranslationService::onUserEvent(void* record)
{
    auto* waiting = static_cast<UserEventRecord*>(record);
    if (!waiting)
        return;
    waiting->result = waiting->request;
    waiting->done.signal();
}

} // namespace VRIX_MI
