#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a text browser; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTextBrowser : public VXWidget {
public:
    explicit VXTextBrowser(VXWidget* parent);
    ~VXTextBrowser() override;
};
