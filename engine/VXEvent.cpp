#include "engine/VXEvent.h"

#include "engine/EngineThreadScheduler.h"
#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/VXDebugOutputLogging.h"
#include "engine/VXEventCatalogue.h"
#include "engine/VXWidget.h"
#include "vrix/services/EventManagement.h"
#include "vrix/services/ServiceRegistry.h"

#include <atomic>
#include <cstdio>

bool isWaitingForSynchronousResponse = false;

namespace {
// The handle is fetched by the first event built, on whichever thread that is.
std::atomic<std::int64_t> s_vxEventHandle { 0 };
std::atomic<bool> s_handleFetched { false };
// Set by the event that emits the pending-events emitter, cleared when a processing run
// starts: every event raised before the clear is seen by that run, every later one emits
// again. So a burst costs one packet instead of one per event.
std::atomic<bool> s_runRequested { false };
// A run asked for while a handler's burst is open is sent when the burst closes; meanwhile
// the events of the burst wake nobody.
std::atomic<bool> s_flushPending { false };
// On the thread whose first request of a handler went out at once: the deferral's generation,
// until the deferral runs at the end of that handler. A burst of a deferral since replaced
// counts as closed, its closing call may never come.
std::atomic<unsigned> s_deferralGeneration { 1 };
thread_local unsigned t_openBurst = 0;
std::atomic<VXEvent::WakeDeferral> s_wakeDeferral { nullptr };
// Engine thread only.
bool s_processEventsPaused = false;
int s_processNesting = 0;

struct AutoNesting {
    AutoNesting() { ++s_processNesting; }
    ~AutoNesting() { --s_processNesting; }
};
} // namespace

VXEvent::VXEvent(VXEventType type, VXWidget* widget)
    : m_type(type)
{
    if (!s_handleFetched.exchange(true)) {
        if (auto* service = VXServices::VXService<VXServices::EventManagement>::get())
            s_vxEventHandle = service->getEventHandle();
    }
    // The proxy may be deleted on the engine thread meanwhile: its id comes from the registry,
    // never from the object.
    m_widgetUID = VXObject::findUID(widget);
    m_isValid = m_widgetUID != 0;
    if (m_isValid)
        m_widget = widget;
    if (VXDebugOutputLogging::m_isDebugEnabled)
        m_timestamp = VXDebugOutputLogging::currentTick();
}

VXEvent::~VXEvent()
{
    delete[] m_string;
}

void VXEvent::setString(const char* text)
{
    delete[] m_string;
    m_string = nullptr;
    if (!text)
        return;
    m_string = new char[utStrlen(text) + 1];
    utStrcpy(m_string, text);
}

void VXEvent::doEvent()
{
    // A listener casts to the class of the event's row: an event of another class is traced
    // and never delivered.
    if (!m_isValid || !VXEventCatalogue::fits(*this)) {
        delete this;
        return;
    }
    VXBridge::addEvent(this);
    requestProcessing();
}

void VXEvent::requestProcessing()
{
    if (s_runRequested.exchange(true)) {
        // The run asked for is still to come. While a burst holds a request back, waking the
        // engine thread would only make it look at an empty queue; otherwise it is woken for
        // every event, as if a packet had been queued (a no-op while a wake-up is outstanding).
        if (!s_flushPending.load())
            tickleVELMARThread();
        return;
    }
    // The first request of a handler goes out at once, so a single event is not held up by
    // the rest of the handler; later ones wait for the handler's end and go out as one.
    const unsigned generation = s_deferralGeneration.load();
    if (t_openBurst == generation) {
        s_flushPending.store(true);
        return;
    }
    // The wake-up first: the engine thread starts while the burst's end is arranged.
    sendProcessingRequest();
    const WakeDeferral deferral = s_wakeDeferral.load();
    if (deferral && deferral(&closeBurst))
        t_openBurst = generation;
}

void VXEvent::closeBurst()
{
    t_openBurst = 0;
    if (s_flushPending.exchange(false))
        sendProcessingRequest();
}

void VXEvent::sendProcessingRequest()
{
    if (VXBridge* bridge = VXBridge::existingBridge())
        bridge->m_pendingEvents.send(VXIM::DefaultSend);
    else
        s_runRequested.store(false); // nobody to ask: the next event tries again
}

void VXEvent::setWakeDeferral(WakeDeferral deferral)
{
    s_wakeDeferral.store(deferral);
    ++s_deferralGeneration;
    // A request put off by the old deferral may never be served: send one now.
    if (s_flushPending.exchange(false))
        sendProcessingRequest();
}

void VXEvent::processPendingEvents()
{
    // Before the checks: an event raised from now on asks for a run of its own, so one held
    // back here is served by the first run after the hold ends, as before.
    s_runRequested.store(false);
    if (s_processNesting > 0 || s_processEventsPaused || isWaitingForSynchronousResponse)
        return;
    AutoNesting nesting;
    // A burst is mostly for one widget: while nothing is destroyed, one look-up serves it.
    const VXWidget* checkedWidget = nullptr;
    std::uint32_t checkedUID = 0;
    std::uint64_t checkedAt = 0;
    while (VXEvent* event = VXBridge::getNextEvent()) {
        try {
            bool live = checkedWidget && event->m_widget == checkedWidget
                && event->m_widgetUID == checkedUID && VXObject::destructionCount() == checkedAt;
            if (!live) {
                const std::uint64_t destroyed = VXObject::destructionCount();
                live = VXObject::isObjectValid(event->m_widget, event->m_widgetUID);
                checkedWidget = live ? event->m_widget : nullptr;
                checkedUID = event->m_widgetUID;
                checkedAt = destroyed;
            }
            if (live) {
                event->debugOutput("VELMAR process event", true);
                event->m_widget->notifyListeners(event);
            }
        } catch (...) {
            if (VXDebugOutputLogging::m_isDebugEnabled)
                VXDebugOutputLogging::traceListenerError(static_cast<int>(event->m_type));
            delete event;
            // The rest stays queued and is served by a run of its own, not by the next event.
            requestProcessing();
            throw;
        }
        delete event;
    }
}

void VXEvent::pausePendingEvents()
{
    s_processEventsPaused = true;
}

void VXEvent::resumePendingEvents()
{
    s_processEventsPaused = false;
}

bool VXEvent::arePendingEventsPaused()
{
    return s_processEventsPaused;
}

int VXEvent::redoEvents()
{
    auto* service = VXServices::VXService<VXServices::EventManagement>::get();
    return service ? service->redoEvents() : 0;
}

std::int64_t VXEvent::eventHandle()
{
    return s_vxEventHandle.load();
}

void VXEvent::debugOutput(const char* label, bool timed) const
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    if (timed)
        VXDebugOutputLogging::traceEvent(label, static_cast<int>(m_type), m_timestamp);
    else
        VXDebugOutputLogging::traceEventUntimed(label, static_cast<int>(m_type));
}
