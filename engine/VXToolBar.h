#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a tool bar; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXToolBar : public VXWidget {
public:
    explicit VXToolBar(VXWidget* parent);
    ~VXToolBar() override;
};
