#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of an image check box (an arrow that folds its contents); the peer implements
/// its operations. Engine thread.
class VXQTGUI_EXPORT VXImageCheckBox : public VXWidget {
public:
    explicit VXImageCheckBox(VXWidget* parent);
    ~VXImageCheckBox() override;
};
