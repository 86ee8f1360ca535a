#pragma once

#include "engine/VXTogglePanel.h"
#include "messaging/QtPeer.h"

/// The toggle panel's peer: every operation becomes a message to its GuiTogglePanel. Engine thread.
class QtTogglePanel : public QtPeer<VXTogglePanel> {
public:
    explicit QtTogglePanel(VXWidget* parent);
};
