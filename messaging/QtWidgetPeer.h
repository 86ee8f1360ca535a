#pragma once

#include "messaging/VXMessageType.h"
#include "vrix/VXPoint.h"
#include "vxqtgui_export.h"

#include <string>

class QtMessage;
class VXWidget;

/// The three shapes of a peer operation, shared by every Qt peer: post a setter, send a getter
/// for its integer result, send a getter for its reply. The widget proxy's address is the
/// target. Engine thread.
class VXQTGUI_EXPORT QtWidgetPeer {
public:
    QtWidgetPeer() = delete;

    /// The message target of a proxy: its own address, which is also its widget's key.
    static void* key(VXWidget* peer);

    /// Posts a bare message.
    static void post(VXWidget* peer, VXMessageType type);
    static void postBool(VXWidget* peer, VXMessageType type, bool flag);
    static void postInt(VXWidget* peer, VXMessageType type, int value);
    static void postText(VXWidget* peer, VXMessageType type, const std::u16string& text);
    /// 8-bit text from the host; null is empty.
    static void postText(VXWidget* peer, VXMessageType type, const char* text);
    /// x, y, width, height travel as left, top, right, bottom (inclusive).
    static void postRect(VXWidget* peer, int x, int y, int width, int height);
    static void postSize(VXWidget* peer, VXMessageType type, int width, int height);
    /// Red, green, blue (0..255) and two unused ints.
    static void postColor(VXWidget* peer, VXMessageType type, int red, int green, int blue);
    /// -1 in an int leaves that attribute alone; an empty or null family keeps the family.
    static void postFont(
        VXWidget* peer, const char* family, int pointSize, int bold, int italic, int underline);

    /// Sends a bare message and answers the completion's integer (0 when nobody answered).
    static int sendForResult(VXWidget* peer, VXMessageType type);
    /// Sends a bare message and answers the text of a string reply (empty without one).
    static std::u16string sendForText(VXWidget* peer, VXMessageType type);
    /// Sends a bare message and reads red, green, blue from a three-double reply; false and
    /// the outputs untouched without one.
    static bool sendForColor(
        VXWidget* peer, VXMessageType type, double& red, double& green, double& blue);
    /// Sends `request` (taken) and reads x and y from a two-int reply; the origin without one.
    static VRIX::VXPoint<int> sendForPoint(QtMessage* request);

    /// The second half of every peer's destructor: the children's peers go first, then the
    /// widget itself is asked to go.
    static void destroy(VXWidget* peer);
};
