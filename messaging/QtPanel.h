#pragma once

#include "engine/VXPanel.h"
#include "messaging/QtPeer.h"

/// The panel's peer: every operation becomes a message to its GuiPanel. Engine thread.
class QtPanel : public QtPeer<VXPanel> {
public:
    QtPanel();
    explicit QtPanel(VXWidget* parent);

    void setShowGrid(bool show) override;
    void refreshSize() override;
};
