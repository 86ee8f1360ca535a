#pragma once

#include <functional>

namespace vxtest {

/// Engine thread: runs the interpreter's commands (the library's wake-ups) until `done` holds,
/// for at most ten seconds; false when it never held.
bool waitUntil(const std::function<bool()>& done);

/// Engine thread: as waitUntil, with `done` evaluated on the GUI thread.
bool waitUntilOnGui(const std::function<bool()>& done);

} // namespace vxtest
