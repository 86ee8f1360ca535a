#pragma once

#include "engine/VXSplitter.h"
#include "messaging/QtPeer.h"
#include "vxqtgui_export.h"

/// The splitter's peer: messages to its GuiSplitter, which also listens to the proxy's emitters.
/// Engine thread.
class VXQTGUI_EXPORT QtSplitter : public QtPeer<VXSplitter> {
public:
    explicit QtSplitter(VXWidget* parent);
};
