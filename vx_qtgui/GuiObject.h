#pragma once

#include "messaging/VXMessageType.h"
#include "vxqtgui_export.h"

class QtMessage;

/// What the dispatcher needs of every GUI-side object registered for an engine-side peer
/// (widgets, layouts, actions). GUI thread.
class VXQTGUI_EXPORT GuiObject {
public:
    GuiObject() = default;
    GuiObject(const GuiObject&) = delete;
    GuiObject& operator=(const GuiObject&) = delete;
    virtual ~GuiObject();

    /// The key this object is registered under: the engine-side proxy's address.
    virtual void* peerKey() const = 0;
    /// Handles one message addressed to this object; unknown types are ignored.
    virtual void vxMessageNotify(VXMessageType type, QtMessage* msg) = 0;
    virtual void doSetWidgetHighlight(bool on, int red, int green, int blue, int alpha) = 0;
    virtual bool doIsWidgetHighlighted() const = 0;
};
