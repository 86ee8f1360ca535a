#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a tab bar; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTabBar : public VXWidget {
public:
    explicit VXTabBar(VXWidget* parent);
    ~VXTabBar() override;
};
