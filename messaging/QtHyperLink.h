#pragma once

#include "engine/VXHyperLink.h"
#include "vxqtgui_export.h"

/// Peer of VXHyperLink: every operation becomes a message to its GuiHyperLink. Engine thread.
class VXQTGUI_EXPORT QtHyperLink : public VXHyperLink {
public:
    explicit QtHyperLink(VXWidget* parent);
    ~QtHyperLink() override;

    void setURL(const char* url) override;
    void setURL(const std::u16string& url) override;
    std::u16string getURL() override;
    void click() override;

    void show() override;
    void hide() override;
    void setEnabled(bool enabled) override;
    void setToolTip(const std::u16string& toolTip) override;
    void setRect(int x, int y, int width, int height) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setForegroundColor(int red, int green, int blue) override;
    void setBackgroundColor(int red, int green, int blue) override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
    void setFocus() override;
    bool isEnabled() override;
    bool isVisible() override;
};
