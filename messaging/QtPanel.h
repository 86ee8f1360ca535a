#pragma once

#include "engine/VXPanel.h"
#include "vxqtgui_export.h"

/// The panel's peer: every operation becomes a message to its GuiPanel. Engine thread.
class VXQTGUI_EXPORT QtPanel : public VXPanel {
public:
    QtPanel();
    explicit QtPanel(VXWidget* parent);
    ~QtPanel() override;

    void setRect(int x, int y, int width, int height) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool isEnabled() override;
    bool isVisible() override;
    std::u16string imGetToolTip() override;
    void setShowGrid(bool show) override;
    void refreshSize() override;
    void show() override;
    void hide() override;
    void setToolTip(const std::u16string& toolTip) override;
    void setEnabled(bool enabled) override;
};
