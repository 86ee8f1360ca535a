#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a text label; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXText : public VXWidget {
public:
    explicit VXText(VXWidget* parent);
    ~VXText() override;

    /// Without a buddy every "&" shows literally; with one, "&" marks the buddy's mnemonic.
    virtual void setText(const char* text) { }
    virtual void setText(const std::u16string& text) { }
    virtual std::u16string getText() { return {}; }
    /// The widget that the label's mnemonic focuses; an unknown one clears the buddy.
    virtual void assignBuddy(VXWidget* buddy) { }
    virtual void setWordWrap(bool wrap) { }
    virtual int getFontSize() { return 0; }

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
