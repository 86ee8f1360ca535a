#pragma once

#include "tests/support/GuiThreadRunner.h"
#include "vx_qtgui/GuiApplication.h"

#include <QWidget>

namespace vxtest {

/// GUI thread: the widget registered for `proxy`, as the given widget class, or null.
template <class W> W* widgetOf(const void* proxy)
{
    return dynamic_cast<W*>(GuiApplication::findWidget(const_cast<void*>(proxy)));
}

/// Engine thread: runs the woken interpreter commands until none is left, so queued events
/// reach the listeners.
void deliverEvents();

} // namespace vxtest
