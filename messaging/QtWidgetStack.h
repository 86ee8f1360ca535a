#pragma once

#include "engine/VXWidgetStack.h"
#include "vxqtgui_export.h"

/// The widget stack's peer: every operation becomes a message to its GuiWidgetStack. Engine thread.
class VXQTGUI_EXPORT QtWidgetStack : public VXWidgetStack {
public:
    explicit QtWidgetStack(VXWidget* parent);
    ~QtWidgetStack() override;

    void addWidget(VXWidget* page, int id) override;
    void raiseWidget(int id) override;
    void raiseWidget(VXWidget* page) override;
    int getCurrentWidgetId() override;
    void refreshSize() override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool isEnabled() override;
    bool isVisible() override;
    void setEnabled(bool enabled) override;
    void hide() override;
};
