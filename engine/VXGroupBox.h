#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a group box; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXGroupBox : public VXWidget {
public:
    explicit VXGroupBox(VXWidget* parent);
    ~VXGroupBox() override;
};
