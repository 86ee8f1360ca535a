#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a multi-line edit area; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXEditArea : public VXWidget {
public:
    explicit VXEditArea(VXWidget* parent);
    ~VXEditArea() override;
};
