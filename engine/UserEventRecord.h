#pragma once

#include "engine/Event.h"

#include <cstdint>

namespace VRIX_MI {

/// What a thread waiting on the host's user event hands over: the callback copies `request`
/// into `result` on the engine thread and signals `done`.
struct UserEventRecord {
    std::int64_t request = 0;
    std::int64_t result = 0;
    Event done { true };
};

} // namespace VRIX_MI
