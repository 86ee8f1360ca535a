#pragma once

#include "engine/VXSplitter.h"
#include "vxqtgui_export.h"

/// The splitter's peer: messages to its GuiSplitter, which also listens to the proxy's emitters.
/// Engine thread.
class VXQTGUI_EXPORT QtSplitter : public VXSplitter {
public:
    explicit QtSplitter(VXWidget* parent);
    ~QtSplitter() override;

    bool isVisible() override;
    void show() override;
    void hide() override;
};
