#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a hyperlink label; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXHyperLink : public VXWidget {
public:
    explicit VXHyperLink(VXWidget* parent);
    ~VXHyperLink() override;

    /// The address is the link's visible text.
    virtual void setURL(const char* url) { }
    virtual void setURL(const std::u16string& url) { }
    virtual std::u16string getURL() { return {}; }
    /// Acts as a user click: the host's listeners receive it.
    virtual void click() { }

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
