#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a check box; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXCheckBox : public VXWidget {
public:
    explicit VXCheckBox(VXWidget* parent);
    ~VXCheckBox() override;

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual void setShadowColor(int red, int green, int blue) { }
    /// False when the colour could not be read; the outputs are then left alone.
    virtual bool getBackgroundColor(double& red, double& green, double& blue) { return false; }
    virtual void setLabel(const char* label) { }
    virtual void setLabel(const std::u16string& label) { }
    virtual std::u16string getLabel() { return {}; }
    virtual bool getChecked() { return false; }
    /// Changes the state quietly.
    virtual void setChecked(bool checked) { }
    /// Changes the state as the user would: the host's listeners receive the toggle.
    virtual void imSetChecked(bool checked) { }
};
