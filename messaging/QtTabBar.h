#pragma once

#include "engine/VXTabBar.h"
#include "vxqtgui_export.h"

/// The tab bar's peer: every operation becomes a message to its GuiTabBar. Engine thread.
class VXQTGUI_EXPORT QtTabBar : public VXTabBar {
public:
    explicit QtTabBar(VXWidget* parent);
    ~QtTabBar() override;

    void addTab(VXTab* page) override;
    int getCurrentTab() override;
    void imSetCurrentTab(int index) override;
    void setCurrentTab(int index) override;
    void setTabPosition(bool top) override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool isEnabled() override;
    bool isVisible() override;
    void setEnabled(bool enabled) override;
    void hide() override;
};
