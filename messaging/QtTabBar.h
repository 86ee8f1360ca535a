#pragma once

#include "engine/VXTabBar.h"
#include "messaging/QtPeer.h"

/// The tab bar's peer: every operation becomes a message to its GuiTabBar. Engine thread.
class QtTabBar : public QtPeer<VXTabBar> {
public:
    explicit QtTabBar(VXWidget* parent);

    void addTab(VXTab* page) override;
    int getCurrentTab() override;
    void imSetCurrentTab(int index) override;
    void setCurrentTab(int index) override;
    void setTabPosition(bool top) override;
};
