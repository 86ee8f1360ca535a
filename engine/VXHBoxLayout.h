#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a horizontal box layout, with or without a parent; the peer implements its
/// operations. Engine thread.
class VXQTGUI_EXPORT VXHBoxLayout : public VXWidget {
public:
    VXHBoxLayout();
    explicit VXHBoxLayout(VXWidget* parent);
    ~VXHBoxLayout() override;
};
