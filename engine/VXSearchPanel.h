#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a search panel; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXSearchPanel : public VXWidget {
public:
    explicit VXSearchPanel(VXWidget* parent);
    ~VXSearchPanel() override;
};
