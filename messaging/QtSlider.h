#pragma once

#include "engine/VXSlider.h"
#include "messaging/QtPeer.h"

/// Peer of VXSlider: every operation becomes a message to its GuiSlider. Engine thread.
class QtSlider : public QtPeer<VXSlider> {
public:
    explicit QtSlider(VXWidget* parent);

    void setMinValue(int value) override;
    void setMaxValue(int value) override;
    void setValue(int value) override;
    void setTickInterval(int interval) override;
    int value() override;
};
