#pragma once

#include "messaging/VXMessageType.h"
#include "vrix/VXRect.h"
#include "vxqtgui_export.h"

#include <string>

class VXObject;
class VXWidget;

/// Message shapes that the container and layout peers share beyond QtWidgetPeer's: rectangles
/// of any id, handles to other proxies, and small int tuples. Engine thread.
class VXQTGUI_EXPORT QtContainerPeer {
public:
    QtContainerPeer() = delete;

    /// x, y, width, height travel as left, top, right, bottom (inclusive).
    static void postRect(VXWidget* peer, VXMessageType type, int x, int y, int width, int height);
    /// Sends a bare message and reads x, y, width, height from a rectangle reply; an empty
    /// rectangle without one.
    static VRIX::VXRect<int> sendForRect(VXWidget* peer, VXMessageType type);
    /// Another proxy (or null) as the handle; the GUI side looks it up.
    static void postHandle(VXWidget* peer, VXMessageType type, const VXObject* handle);
    /// A handle and up to five ints.
    static void postHandleInts(VXWidget* peer, VXMessageType type, const VXObject* handle,
        int a = 0, int b = 0, int c = 0, int d = 0, int e = 0);
    static void postInts(VXWidget* peer, VXMessageType type, int a, int b = 0);
    /// The int of a QtIntMessage reply, else the completion's result.
    static int sendForInt(VXWidget* peer, VXMessageType type);
    /// The text of a string reply converted to the local 8-bit encoding; empty without one.
    static std::string sendForLocal8Bit(VXWidget* peer, VXMessageType type);
};
