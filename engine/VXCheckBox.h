#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a check box; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXCheckBox : public VXWidget {
public:
    explicit VXCheckBox(VXWidget* parent);
    ~VXCheckBox() override;
};
