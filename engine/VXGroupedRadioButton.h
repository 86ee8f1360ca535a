#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a group of radio buttons; the peer implements its operations. Engine
/// thread.
class VXQTGUI_EXPORT VXGroupedRadioButton : public VXWidget {
public:
    explicit VXGroupedRadioButton(VXWidget* parent);
    ~VXGroupedRadioButton() override;
};
