#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a dialog. Built by its peer, which attaches the parent. Engine thread.
class VXQTGUI_EXPORT VXDialog : public VXWidget {
public:
    VXDialog();
    ~VXDialog() override;
};
