#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a hyperlink label; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXHyperLink : public VXWidget {
public:
    explicit VXHyperLink(VXWidget* parent);
    ~VXHyperLink() override;
};
