#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a widget stack; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXWidgetStack : public VXWidget {
public:
    explicit VXWidgetStack(VXWidget* parent);
    ~VXWidgetStack() override;
};
