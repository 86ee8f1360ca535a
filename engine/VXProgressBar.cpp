#include "engine/VXProgressBar.h"

#include "engine/VXBridge.h"

VXProgressBar::VXProgressBar(const char* bridgeName, VXWidget* parent)
    : m_bridgeName(bridgeName ? bridgeName : "")
{
    setParent(parent);
    // Only an existing bridge: a proxy must not be what starts the GUI.
    if (VXBridge* bridge = VXBridge::existingBridge())
        bridge->createProgressBar(this, parent);
}

VXProgressBar::~VXProgressBar()
{
    disconnect();
    // Sent, so the GUI bar is gone before the emitters it is connected to.
    if (VXBridge* bridge = VXBridge::existingBridge())
        bridge->destroyWidget(this);
}
