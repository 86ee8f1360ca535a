#pragma once

#include "engine/VXScrollView.h"
#include "messaging/QtPeer.h"

/// The scroll view's peer: every operation becomes a message to its GuiScrollView. Engine thread.
class QtScrollView : public QtPeer<VXScrollView> {
public:
    explicit QtScrollView(VXWidget* parent);

    void addWidget(VXWidget* content) override;
    bool isVScrollBarVisible() override;
    bool isHScrollBarVisible() override;
};
