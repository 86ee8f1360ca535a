#pragma once

#include "vrix/vxim/Emitter.h"
#include "vxqtgui_export.h"

// Look-ups of GUI objects by engine-side identity, for this library (global functions) and for
// other libraries (namespace VRIX). GUI thread only; each answers null without an application.

class GuiObject;
class VXObject;

GuiObject* lookup(VXObject* object);
GuiObject* lookup(unsigned id);
void addObject(unsigned id, GuiObject* object);
void removeObject(unsigned id);
VXIM::Emitter<void(), VXIM::KeepAll>* getApplicationActivatedEmitter();

namespace VRIX {

/// The GUI object of a proxy, found by its address (by its id for objects kept by id).
VXQTGUI_EXPORT GuiObject* lookup(VXObject* object);
/// The object registered under `id` with addObject.
VXQTGUI_EXPORT GuiObject* lookup(unsigned id);
/// Registers `object` under `id`; the first registration of an id wins.
VXQTGUI_EXPORT void addObject(unsigned id, GuiObject* object);
VXQTGUI_EXPORT void removeObject(unsigned id);
/// Emitted when the application becomes active.
VXQTGUI_EXPORT VXIM::Emitter<void(), VXIM::KeepAll>* getApplicationActivatedEmitter();

} // namespace VRIX
