#pragma once

#include "engine/VXEditArea.h"
#include "vxqtgui_export.h"

/// Peer of VXEditArea: every operation becomes a message to its GuiEditArea. Engine thread.
class VXQTGUI_EXPORT QtEditArea : public VXEditArea {
public:
    explicit QtEditArea(VXWidget* parent);
    ~QtEditArea() override;

    void setText(const char* text) override;
    void imSetText(const char* text) override;
    std::string getText() override;
    void setFile(const char* path) override;
    void setCursorPosToEnd(bool keepAnchor) override;
    void setWordWrap(bool wrap) override;
    void setAutoFormatting(bool on) override;
    std::u16string imGetFontFamily() override;

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
    bool getBackgroundColor(double& red, double& green, double& blue) override;
};
