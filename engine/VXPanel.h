#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a panel, with or without a parent; the peer implements its operations.
/// Engine thread.
class VXQTGUI_EXPORT VXPanel : public VXWidget {
public:
    VXPanel();
    explicit VXPanel(VXWidget* parent);
    ~VXPanel() override;

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual std::u16string imGetToolTip() { return {}; }
    virtual void setShowGrid(bool show) { }
    /// Lays the panel's contents out again once pending GUI work is done.
    virtual void refreshSize() { }
};
