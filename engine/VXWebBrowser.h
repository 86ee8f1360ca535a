#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a web browser control; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXWebBrowser : public VXWidget {
public:
    explicit VXWebBrowser(VXWidget* parent);
    ~VXWebBrowser() override;
};
