#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a search bar; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXSearchBar : public VXWidget {
public:
    explicit VXSearchBar(VXWidget* parent);
    ~VXSearchBar() override;
};
