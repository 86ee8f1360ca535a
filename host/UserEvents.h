#pragma once

#include "host/ExportedHostFunctions.h"
#include "vxhost_export.h"

#include <cstdint>
#include <map>
#include <mutex>

namespace VXHost {

/// The host's user events: a handle names a callback; posting the handle with a record runs the
/// callback with that record on the engine thread, as an interpreter command. Any thread.
class VXHOST_EXPORT UserEvents {
public:
    static UserEvents& instance();

    UserEvents(const UserEvents&) = delete;
    UserEvents& operator=(const UserEvents&) = delete;

    /// A new non-zero handle; 0 for a null callback.
    std::int32_t create(svUserEventCallback callback);
    /// Queues the callback of `handle` with `record`; false for an unknown handle or when the
    /// interpreter refuses commands.
    bool post(std::int32_t handle, void* record);

private:
    UserEvents() = default;

    std::mutex m_mutex;
    std::map<std::int32_t, svUserEventCallback> m_callbacks;
    std::int32_t m_lastHandle = 0;
};

} // namespace VXHost
