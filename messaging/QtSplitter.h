#pragma once

#include "engine/VXSplitter.h"
#include "messaging/QtPeer.h"

/// The splitter's peer: messages to its GuiSplitter, which also listens to the proxy's emitters.
/// Engine thread.
class QtSplitter : public QtPeer<VXSplitter> {
public:
    explicit QtSplitter(VXWidget* parent);
};
