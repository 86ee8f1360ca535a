#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>
#include <vector>

/// Engine-side proxy of a group of radio buttons; the peer implements its operations. Engine
/// thread.
class VXQTGUI_EXPORT VXGroupedRadioButton : public VXWidget {
public:
    explicit VXGroupedRadioButton(VXWidget* parent);
    ~VXGroupedRadioButton() override;

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
    virtual bool getBackgroundColor(double& red, double& green, double& blue) { return false; }
    /// One radio button per label, numbered on from the last one inserted.
    virtual void insertRadioButtons(const std::vector<std::u16string>& labels) { }
    /// The id of the checked button, or -1.
    virtual int getCurrentItem() { return -1; }
    /// Checks a button as the user would; the host's listeners receive the click.
    virtual void select(int index) { }
    /// Checks a button quietly.
    virtual void setCurrentItem(int index) { }
    virtual void setTitle(const std::u16string& title) { }
    virtual int getNumButtons() { return 0; }
    virtual void setOrientHorizontal(bool horizontal) { }
    virtual void setShowBorder(bool show) { }
};
