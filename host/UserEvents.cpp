#include "host/UserEvents.h"

#include "host/Interpreter.h"

namespace VXHost {

UserEvents& UserEvents::instance()
{
    static UserEvents* events = new UserEvents;
    return *events;
}

std::int32_t UserEvents::create(svUserEventCallback callback)
{
    if (!callback)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    const std::int32_t handle = ++m_lastHandle;
    m_callbacks.emplace(handle, callback);
    return handle;
}

bool UserEvents::post(std::int32_t handle, void* record)
{
    svUserEventCallback callback = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_callbacks.find(handle);
        if (it == m_callbacks.end())
            return false;
        callback = it->second;
    }
    return Interpreter::instance().enqueue([callback, record] { callback(record); });
}

} // namespace VXHost
