#pragma once

#include "engine/VXVBoxLayout.h"
#include "messaging/QtPeer.h"

/// The vertical box layout's peer: every operation becomes a message to its GuiVBoxLayout. Engine
/// thread.
class QtVBoxLayout : public QtPeer<VXVBoxLayout> {
public:
    QtVBoxLayout();
    explicit QtVBoxLayout(VXWidget* parent);

    void addLayout(VXWidget* layout, int stretch) override;
    void addWidget(VXObject* widget, int stretch) override;
    void removeWidget(VXWidget* widget) override;
};
