#pragma once

#include "vxqtgui_export.h"

/// Common root of the engine-side proxy classes; carries no state.
class VXQTGUI_EXPORT VXBaseClass { };
