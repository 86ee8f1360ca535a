#pragma once

#include "engine/VXTogglePanel.h"
#include "vxqtgui_export.h"

/// The toggle panel's peer: every operation becomes a message to its GuiTogglePanel. Engine thread.
class VXQTGUI_EXPORT QtTogglePanel : public VXTogglePanel {
public:
    explicit QtTogglePanel(VXWidget* parent);
    ~QtTogglePanel() override;

    void setRect(int x, int y, int width, int height) override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool isEnabled() override;
    bool isVisible() override;
    void setEnabled(bool enabled) override;
    void setToolTip(const std::u16string& toolTip) override;
    void show() override;
    void hide() override;
};
