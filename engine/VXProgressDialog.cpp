#include "engine/VXProgressDialog.h"

#include "engine/VXBridge.h"

VXProgressDialog::VXProgressDialog(const char* bridgeName, VXWidget* parent)
    : m_bridgeName(bridgeName ? bridgeName : "")
{
    setParent(parent);
    // Only an existing bridge: a proxy must not be what starts the GUI.
    if (VXBridge* bridge = VXBridge::existingBridge())
        bridge->createProgressDialog(this, parent);
}

VXProgressDialog::~VXProgressDialog()
{
    disconnect();
    // Sent while every member still lives: the dialog may write `canceled` until it is told
    // to go.
    if (VXBridge* bridge = VXBridge::existingBridge())
        bridge->destroyWidget(this);
}
