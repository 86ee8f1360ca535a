#pragma once

#include <functional>

namespace vxtest {

/// Engine thread: polls `done` (which may send to the GUI thread) until it holds or about five
/// seconds have passed; whether it held.
bool waitUntil(const std::function<bool()>& done);

} // namespace vxtest
