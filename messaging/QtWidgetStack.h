#pragma once

#include "engine/VXWidgetStack.h"
#include "messaging/QtPeer.h"

/// The widget stack's peer: every operation becomes a message to its GuiWidgetStack. Engine thread.
class QtWidgetStack : public QtPeer<VXWidgetStack> {
public:
    explicit QtWidgetStack(VXWidget* parent);

    void addWidget(VXWidget* page, int id) override;
    void raiseWidget(int id) override;
    void raiseWidget(VXWidget* page) override;
    int getCurrentWidgetId() override;
    void refreshSize() override;
};
