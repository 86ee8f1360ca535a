#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

class VXTab;

/// Engine-side proxy of a tab bar; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTabBar : public VXWidget {
public:
    explicit VXTabBar(VXWidget* parent);
    ~VXTabBar() override;

    /// Appends the page under its name; no tab-changed event is reported for it.
    virtual void addTab(VXTab* page) { }
    virtual int getCurrentTab() { return -1; }
    /// As if the user chose the tab: TABBARTabChangedEvent follows. Out of range does nothing.
    virtual void imSetCurrentTab(int index) { }
    /// Selects without reporting; out of range does nothing.
    virtual void setCurrentTab(int index) { }
    /// Tabs above the pages when true, below when false.
    virtual void setTabPosition(bool top) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
