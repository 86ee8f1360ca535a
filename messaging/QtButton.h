#pragma once

#include "engine/VXButton.h"
#include "vxqtgui_export.h"

/// The push button's peer: every operation becomes a message to its GuiButton. Engine thread.
class VXQTGUI_EXPORT QtButton : public VXButton {
public:
    explicit QtButton(VXWidget* parent);
    ~QtButton() override;

    void setRect(int x, int y, int width, int height) override;
    void setLabel(const char* label) override;
    void setLabel(const std::u16string& label) override;
    void setMenu(VXPopupMenu* menu) override;
    void setIcon(const char* path) override;
    void setEnabled(bool enabled) override;
    bool isEnabled() override;
    void show() override;
    void hide() override;
    bool isVisible() override;
    void setToolTip(const std::u16string& toolTip) override;
    std::u16string imGetToolTip() override;
    void setForegroundColor(int red, int green, int blue) override;
    void setBackgroundColor(int red, int green, int blue) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
    void click() override;
    void setDefault(bool isDefault) override;
    void setFocus() override;
    bool isIconSet() override;
    void setFlat(bool flat) override;
};
