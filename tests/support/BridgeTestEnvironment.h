#pragma once

#include "engine/VXEventType.h"
#include "tests/support/GuiThreadRunner.h"

#include <cstddef>
#include <functional>
#include <initializer_list>

class GuiObject;
class VXBridge;
class VXWidget;

namespace vxtest {

/// The real bridge, started once per binary on the engine thread; an exit hook quits it and
/// destroys the bridges.
VXBridge* bridge();

/// Engine thread: lets the wake-ups the GUI thread has put off go out, then runs the
/// interpreter commands queued (the library's wake-ups); returns how many ran.
std::size_t runEngineCommands();
std::size_t queuedEngineCommands();

/// Engine thread: runs the woken interpreter commands until none is left, so queued events
/// reach the listeners.
void deliverEvents();

/// Engine thread: runs the interpreter's commands until `done` holds, for at most ten seconds;
/// false when it never held. `done` may send to the GUI thread.
bool pumpUntil(const std::function<bool()>& done);

/// Engine thread: as pumpUntil, with `done` evaluated on the GUI thread.
bool pumpUntilOnGui(const std::function<bool()>& done);

/// The GUI side's widget count, for leak checks (a synchronous round trip, so it also waits
/// for everything posted before it).
int widgetCount();

/// GUI thread: the widget registered for `proxy`, or null.
GuiObject* findWidget(const void* proxy);

/// GUI thread: the widget registered for `proxy`, as the given widget class, or null.
template <class W> W* widgetOf(const void* proxy)
{
    return dynamic_cast<W*>(findWidget(proxy));
}

/// Raises one event per value on the GUI thread, in order, in one go.
void raiseEvents(
    VXWidget* proxy, std::initializer_list<int> values, VXEventType type = ButtonPressEvent);

} // namespace vxtest
