#pragma once

#include "messaging/VXMessageType.h"

class QBoxLayout;
class QtMessage;

/// The messages the horizontal and vertical box layouts share (add a layout, add a widget,
/// remove a widget); each box passes its own ids for the two additions. GUI thread.
class GuiBoxLayoutMessages {
public:
    /// Applies `msg` to `layout` when `type` is one of the shared messages; false otherwise.
    static bool apply(QBoxLayout& layout, VXMessageType type, QtMessage* msg,
        VXMessageType addLayoutId, VXMessageType addWidgetId);
};
