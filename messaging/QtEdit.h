#pragma once

#include "engine/VXEdit.h"
#include "vxqtgui_export.h"

/// Peer of VXEdit: every operation becomes a message to its GuiEdit. Engine thread.
class VXQTGUI_EXPORT QtEdit : public VXEdit {
public:
    explicit QtEdit(VXWidget* parent);
    ~QtEdit() override;

    void setText(const char* text) override;
    void setTextU(const std::u16string& text) override;
    void imSetText(const char* text) override;
    void imSetTextU(const std::u16string& text) override;
    std::string getText() override;
    std::u16string getTextU() override;
    void setPlaceholderText(const char* text) override;
    std::u16string getPlaceholderText() override;
    void setClearable(bool clearable) override;
    void setEchoMode(bool password) override;
    bool getEchoMode() override;
    void setUseCustomContextMenu(bool use) override;
    void setCustomContextMenu(VXPopupMenu* menu) override;
    VRIX::VXPoint<int> imFindLabelPosition(VXText* label) override;
    VRIX::VXPoint<int> imGetPosition() override;
    std::u16string imGetFontFamily() override;
    int imGetFontSize() override;
    std::u16string imGetToolTip() override;

    void show() override;
    void hide() override;
    void setEnabled(bool enabled) override;
    void setToolTip(const std::u16string& toolTip) override;
    void setWidgethighlight(bool on, int red, int green, int blue, int alpha) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setForegroundColor(int red, int green, int blue) override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool getBackgroundColor(double& red, double& green, double& blue) override;
    bool getForegroundColor(double& red, double& green, double& blue) override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
    void setFocus() override;
    bool isEnabled() override;
    bool isVisible() override;
};
