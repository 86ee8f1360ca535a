#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a radio button; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXRadioButton : public VXWidget {
public:
    explicit VXRadioButton(VXWidget* parent);
    ~VXRadioButton() override;
};
