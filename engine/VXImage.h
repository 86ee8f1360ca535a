#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of an image; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXImage : public VXWidget {
public:
    explicit VXImage(VXWidget* parent);
    ~VXImage() override;
};
