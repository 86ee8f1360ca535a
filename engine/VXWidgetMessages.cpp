// The VXWidget operations that reach other parts of the toolkit: event notification and the
// highlight messages, which go through the installed message port.
#include "engine/VXWidget.h"

#include "engine/VXEvent.h"
#include "engine/VXListener.h"
#include "engine/VXMessagePort.h"

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

namespace {
VXMessagePort* s_port = nullptr;
}

VXMessagePort* VXMessagePort::installed()
{
    return s_port;
}

void VXMessagePort::install(VXMessagePort* port)
{
    s_port = port;
}

void VXWidget::p_setWidgethighlight(bool on, int a, int b, int c, int d)
{
    if (s_port)
        s_port->postHighlight(this, on, a, b, c, d);
}

bool VXWidget::isWidgetHighlighted()
{
    return s_port && s_port->askHighlighted(this);
}
