#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a spreadsheet widget. Built by its peer, which attaches the parent. Engine
/// thread.
class VXQTGUI_EXPORT VXSpreadSheet : public VXWidget {
public:
    VXSpreadSheet();
    ~VXSpreadSheet() override;
};
