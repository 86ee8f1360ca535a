#pragma once

#include "engine/VXTab.h"
#include "messaging/QtPeer.h"

/// The tab page's peer: every operation becomes a message to its GuiTab. Engine thread.
class QtTab : public QtPeer<VXTab> {
public:
    explicit QtTab(VXWidget* parent);

    void setName(const char* name) override;
    void setName(const std::u16string& name) override;
    std::u16string getName() override;
};
