#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a grid layout, with or without a parent; the peer implements its
/// operations. Engine thread.
class VXQTGUI_EXPORT VXGridLayout : public VXWidget {
public:
    VXGridLayout();
    explicit VXGridLayout(VXWidget* parent);
    ~VXGridLayout() override;
};
