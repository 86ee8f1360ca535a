#pragma once

#include "engine/VXWebBrowser.h"
#include "vxqtgui_export.h"

/// The web browser control's peer: every operation becomes a message to its GuiWebBrowser.
/// Engine thread.
class VXQTGUI_EXPORT QtWebBrowser : public VXWebBrowser {
public:
    explicit QtWebBrowser(VXWidget* parent);
    ~QtWebBrowser() override;

    std::string getUrl() override;
    void setUrl(const std::string& url) override;
    void show() override;
    void hide() override;
    void setEnabled(bool enabled) override;
    bool isEnabled() override;
    bool isVisible() override;
    void setToolTip(const std::u16string& toolTip) override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
};
