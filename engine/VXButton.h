#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a push button; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXButton : public VXWidget {
public:
    explicit VXButton(VXWidget* parent);
    ~VXButton() override;
};
