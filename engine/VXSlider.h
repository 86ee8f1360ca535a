#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a slider; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXSlider : public VXWidget {
public:
    explicit VXSlider(VXWidget* parent);
    ~VXSlider() override;
};
