#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a multi-line edit area; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXEditArea : public VXWidget {
public:
    explicit VXEditArea(VXWidget* parent);
    ~VXEditArea() override;

    /// Silent: the host hears of no change.
    virtual void setText(const char* text) { }
    /// As if typed: the host hears of the change.
    virtual void imSetText(const char* text) { }
    /// The plain text, 8-bit.
    virtual std::string getText() { return {}; }
    /// Loads a file; C and C++ sources are shown read-only and coloured. An unreadable file
    /// changes nothing.
    virtual void setFile(const char* path) { }
    virtual void setCursorPosToEnd(bool keepAnchor) { }
    virtual void setWordWrap(bool wrap) { }
    /// Whether pasted rich text keeps its formatting.
    virtual void setAutoFormatting(bool on) { }
    virtual std::u16string imGetFontFamily() { return {}; }

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual bool getBackgroundColor(double& red, double& green, double& blue) { return false; }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
