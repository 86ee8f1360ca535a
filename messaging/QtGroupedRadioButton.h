#pragma once

#include "engine/VXGroupedRadioButton.h"
#include "vxqtgui_export.h"

/// The radio-button group's peer: every operation becomes a message to its GuiGroupedRadioButton.
/// Engine thread.
class VXQTGUI_EXPORT QtGroupedRadioButton : public VXGroupedRadioButton {
public:
    explicit QtGroupedRadioButton(VXWidget* parent);
    ~QtGroupedRadioButton() override;

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
    void insertRadioButtons(const std::vector<std::u16string>& labels) override;
    int getCurrentItem() override;
    void select(int index) override;
    void setCurrentItem(int index) override;
    void setTitle(const std::u16string& title) override;
    int getNumButtons() override;
    void setOrientHorizontal(bool horizontal) override;
    void setShowBorder(bool show) override;
};
