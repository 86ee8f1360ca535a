#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a text label; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXText : public VXWidget {
public:
    explicit VXText(VXWidget* parent);
    ~VXText() override;
};
