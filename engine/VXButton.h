#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

class VXPopupMenu;

/// Engine-side proxy of a push button; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXButton : public VXWidget {
public:
    explicit VXButton(VXWidget* parent);
    ~VXButton() override;

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual void setLabel(const char* label) { }
    virtual void setLabel(const std::u16string& label) { }
    /// Attaches the menu's widget; a menu without one detaches any menu.
    virtual void setMenu(VXPopupMenu* menu) { }
    virtual void setIcon(const char* path) { }
    virtual std::u16string imGetToolTip() { return {}; }
    /// Acts as a user click: the host's listeners receive the press.
    virtual void click() { }
    virtual void setDefault(bool isDefault) { }
    virtual bool isIconSet() { return false; }
    virtual void setFlat(bool flat) { }
};
