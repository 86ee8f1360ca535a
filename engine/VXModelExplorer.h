#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a Model Explorer window. Built by its peer, which attaches the parent.
/// Engine thread.
class VXQTGUI_EXPORT VXModelExplorer : public VXWidget {
public:
    VXModelExplorer();
    ~VXModelExplorer() override;
};
