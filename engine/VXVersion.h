#pragma once

#include "vxqtgui_export.h"

/// Version of the toolkit library the host is linked against.
VXQTGUI_EXPORT const char* vxqtguiVersion();
