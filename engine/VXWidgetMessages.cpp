// The VXWidget operations that reach other parts of the toolkit: event notification and the
// highlight messages to the widget's GUI peer.
#include "engine/VXWidget.h"

#include "engine/VXEvent.h"
#include "engine/VXListener.h"
#include "messaging/QtBridge.h"
#include "messaging/QtInt5Message.h"

#include <vector>

void VXWidget::notifyListeners(const VXEvent* event)
{
    if (!event)
        return;
    // Copies: a listener may add or remove registrations, or delete this widget, while called.
    const std::vector<VXListener*> listeners(m_listeners.begin(), m_listeners.end());
    const std::vector<VXEventType> types(m_listenerTypes.begin(), m_listenerTypes.end());
    const VXEventType type = event->getType();
    for (std::size_t i = 0; i < listeners.size() && i < types.size(); ++i) {
        if (types[i] != type)
            continue;
        VXListener* listener = listeners[i];
        if (VXListener::isListenerValid(listener)) {
            listener->handleEvent(event);
            if (!VXObject::isObjectValid(this))
                return;
        } else {
            removeEventListener(listener, type);
        }
    }
}

void VXWidget::p_setWidgethighlight(bool on, int a, int b, int c, int d)
{
    auto* message = new QtInt5Message(this, SetWidgetHighlightColorMsg);
    message->m_int1 = on ? 1 : 0;
    message->m_int2 = a;
    message->m_int3 = b;
    message->m_int4 = c;
    message->m_int5 = d;
    QtBridge::post(message);
}

bool VXWidget::isWidgetHighlighted()
{
    return QtBridge::send(new QtMessage(this, IsWidgetHighlightedMsg)) != 0;
}
