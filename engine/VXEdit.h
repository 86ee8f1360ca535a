#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a one-line edit field; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXEdit : public VXWidget {
public:
    explicit VXEdit(VXWidget* parent);
    ~VXEdit() override;
};
