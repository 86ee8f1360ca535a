#pragma once

#include "engine/VXTogglePanel.h"
#include "messaging/QtPeer.h"
#include "vxqtgui_export.h"

/// The toggle panel's peer: every operation becomes a message to its GuiTogglePanel. Engine thread.
class VXQTGUI_EXPORT QtTogglePanel : public QtPeer<VXTogglePanel> {
public:
    explicit QtTogglePanel(VXWidget* parent);
};
