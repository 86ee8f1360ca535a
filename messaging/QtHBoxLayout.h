#pragma once

#include "engine/VXHBoxLayout.h"
#include "messaging/QtPeer.h"

/// The horizontal box layout's peer: every operation becomes a message to its GuiHBoxLayout. Engine
/// thread.
class QtHBoxLayout : public QtPeer<VXHBoxLayout> {
public:
    QtHBoxLayout();
    explicit QtHBoxLayout(VXWidget* parent);

    void addLayout(VXWidget* layout, int stretch) override;
    void addWidget(VXWidget* widget, int stretch) override;
    void removeWidget(VXWidget* widget) override;
    void addSpacerWidget(int width, int height) override;
};
