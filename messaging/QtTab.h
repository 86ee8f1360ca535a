#pragma once

#include "engine/VXTab.h"
#include "vxqtgui_export.h"

/// The tab page's peer: every operation becomes a message to its GuiTab. Engine thread.
class VXQTGUI_EXPORT QtTab : public VXTab {
public:
    explicit QtTab(VXWidget* parent);
    ~QtTab() override;

    void setName(const char* name) override;
    void setName(const std::u16string& name) override;
    std::u16string getName() override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool isEnabled() override;
    bool isVisible() override;
    void setEnabled(bool enabled) override;
    void show() override;
    void hide() override;
};
