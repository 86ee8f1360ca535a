// The VXWidget operations that reach other parts of the toolkit: event notification and the
// highlight messages, which go through the installed message port.
#include "engine/VXWidget.h"

#include "engine/VXEvent.h"
#include "engine/VXListener.h"
#include "engine/VXMessagePort.h"

#include <boost/container/small_vector.hpp>

void VXWidget::notifyListeners(const VXEvent* event)
{
    if (!event)
        return;
    // A copy of the registrations for this type: a listener may add or remove registrations,
    // or delete this widget, while called. Few listen to one widget, so it stays off the heap.
    const VXEventType type = event->getType();
    boost::container::small_vector<VXListener*, 8> listeners;
    auto t = m_listenerTypes.begin();
    for (auto l = m_listeners.begin(); l != m_listeners.end() && t != m_listenerTypes.end();
         ++l, ++t) {
        if (*t == type)
            listeners.push_back(*l);
    }
    for (VXListener* listener : listeners) {
        if (VXListener::isListenerValid(listener)) {
            const std::uint64_t destroyed = VXObject::destructionCount();
            listener->handleEvent(event);
            if (VXObject::destructionCount() != destroyed && !VXObject::isObjectValid(this))
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
