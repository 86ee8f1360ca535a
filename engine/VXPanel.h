#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a panel, with or without a parent; the peer implements its operations.
/// Engine thread.
class VXQTGUI_EXPORT VXPanel : public VXWidget {
public:
    VXPanel();
    explicit VXPanel(VXWidget* parent);
    ~VXPanel() override;
};
