#pragma once

#include "engine/VXCheckBox.h"
#include "vxqtgui_export.h"

/// The check box's peer: every operation becomes a message to its GuiCheckBox. Engine thread.
class VXQTGUI_EXPORT QtCheckBox : public VXCheckBox {
public:
    explicit QtCheckBox(VXWidget* parent);
    ~QtCheckBox() override;

    void setRect(int x, int y, int width, int height) override;
    void setEnabled(bool enabled) override;
    bool isEnabled() override;
    void show() override;
    void hide() override;
    bool isVisible() override;
    void setToolTip(const std::u16string& toolTip) override;
    void setForegroundColor(int red, int green, int blue) override;
    void setBackgroundColor(int red, int green, int blue) override;
    void setShadowColor(int red, int green, int blue) override;
    bool getBackgroundColor(double& red, double& green, double& blue) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
    void setFocus() override;
    void setWidgethighlight(bool on, int red, int green, int blue, int alpha) override;
    void setLabel(const char* label) override;
    void setLabel(const std::u16string& label) override;
    std::u16string getLabel() override;
    bool getChecked() override;
    void setChecked(bool checked) override;
    void imSetChecked(bool checked) override;
};
