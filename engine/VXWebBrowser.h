#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a web browser control; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXWebBrowser : public VXWidget {
public:
    explicit VXWebBrowser(VXWidget* parent);
    ~VXWebBrowser() override;

    virtual std::string getUrl() { return {}; }
    virtual void setUrl(const std::string& url) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
};
