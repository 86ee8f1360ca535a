#pragma once

#include "engine/VXText.h"
#include "vxqtgui_export.h"

/// Peer of VXText: every operation becomes a message to its GuiText. Engine thread.
class VXQTGUI_EXPORT QtText : public VXText {
public:
    explicit QtText(VXWidget* parent);
    ~QtText() override;

    void setText(const char* text) override;
    void setText(const std::u16string& text) override;
    std::u16string getText() override;
    void assignBuddy(VXWidget* buddy) override;
    void setWordWrap(bool wrap) override;
    int getFontSize() override;

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
