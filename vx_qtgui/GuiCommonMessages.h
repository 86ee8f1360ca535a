#pragma once

#include "engine/VXEventType.h"
#include "messaging/VXMessageType.h"

class GuiWidget;
class QColor;
class QtMessage;
class QWidget;

/// The messages most widgets share (ids 5 to 40): which kind handles which, the palette roles
/// each kind colours, the highlight paint and the posting of events. GUI thread.
class GuiCommonMessages {
public:
    enum Kind {
        Button,
        CheckBox,
        ComboBox,
        Edit,
        EditArea,
        Text,
        GroupedRadioButton,
        RadioButton,
        HyperLink,
        Image,
        GroupBox,
        Panel,
        Tab,
        TogglePanel,
        TabBar,
        WidgetStack,
        Splitter,
        ScrollView,
        Slider,
        Dialog,
        TextBrowser,
        WebBrowser,
    };

    GuiCommonMessages() = delete;

    /// Whether `kind` takes the common message `type`.
    static bool handles(Kind kind, VXMessageType type);
    /// Applies a common message that `kind` takes; false (and nothing done) for any other
    /// message, or when the payload does not fit the id.
    static bool handle(
        Kind kind, QWidget* widget, GuiWidget* peer, VXMessageType type, QtMessage* msg);

    static void setForegroundColor(Kind kind, QWidget* widget, const QColor& color);
    static void setBackgroundColor(Kind kind, QWidget* widget, const QColor& color);
    static void setShadowColor(QWidget* widget, const QColor& color);
    /// The colour of a colour message (red, green, blue ints clamped to 0..255, alpha 255);
    /// false when the payload is not one.
    static bool colorOf(const QtMessage* msg, QColor& color);

    /// Paints the highlight over the whole widget when it is on; call after the normal paint.
    static void paintHighlight(QWidget* widget, const GuiWidget& peer);

    /// Queues an event without values for the peer of `key`.
    static void postEvent(void* key, VXEventType type);
    /// Queues an event carrying `value` in its first slot and `state` in its second.
    static void postEvent(void* key, VXEventType type, int value, bool state);

    /// Stores an integer answer for a waiting sender; nothing for a posted message.
    static void setResult(QtMessage* msg, int value);
};
