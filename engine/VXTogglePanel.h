#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a toggle panel; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTogglePanel : public VXWidget {
public:
    explicit VXTogglePanel(VXWidget* parent);
    ~VXTogglePanel() override;
};
