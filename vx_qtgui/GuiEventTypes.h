#pragma once

#include "vxqtgui_export.h"

namespace VRIX {

/// The event type a focused text widget receives when the user clicks elsewhere: it ends the
/// edit. Registered with Qt on first call. Any thread.
VXQTGUI_EXPORT int TextEditDoneEventType();

} // namespace VRIX
