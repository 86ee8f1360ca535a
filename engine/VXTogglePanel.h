#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a toggle panel; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTogglePanel : public VXWidget {
public:
    explicit VXTogglePanel(VXWidget* parent);
    ~VXTogglePanel() override;

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
