#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a tab page; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTab : public VXWidget {
public:
    explicit VXTab(VXWidget* parent);
    ~VXTab() override;
};
