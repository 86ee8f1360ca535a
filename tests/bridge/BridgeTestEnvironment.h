#pragma once

#include "engine/VXEventType.h"

#include <functional>

class VXBridge;
class VXWidget;

namespace vxtest {

/// The real bridge, started once per binary on the engine thread; an exit hook quits it and
/// destroys the bridges.
VXBridge* bridge();

/// Engine thread: runs the interpreter commands queued now (the library's wake-ups); returns
/// how many ran.
std::size_t runEngineCommands();
std::size_t queuedEngineCommands();

/// Raises one event per value on the GUI thread, in order, in one go.
void raiseEvents(
    VXWidget* proxy, std::initializer_list<int> values, VXEventType type = ButtonPressEvent);

} // namespace vxtest
