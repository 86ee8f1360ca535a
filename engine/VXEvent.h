#pragma once

#include "engine/VXEventType.h"
#include "vrix/vxim/BlockPool.h"
#include "vxqtgui_export.h"

#include <cstdint>
#include <string>

class VXWidget;

/// Set by the host while it waits for a synchronous answer; events are held back meanwhile.
extern VXQTGUI_EXPORT bool isWaitingForSynchronousResponse;

/// One user action, raised on the GUI thread for a proxy and delivered on the engine thread to
/// the listeners registered on that proxy for its type. Owned by the bridge's queue once raised.
class VXQTGUI_EXPORT VXEvent {
public:
    // Made on the GUI thread and freed on the engine thread, by the thousand in a burst.
    VXIM_POOLED_ALLOCATION

    VXEvent(VXEventType type, VXWidget* widget);
    VXEvent(const VXEvent&) = delete;
    VXEvent& operator=(const VXEvent&) = delete;
    virtual ~VXEvent();

    VXEventType getType() const { return m_type; }
    VXWidget* getWidget() const { return m_widget; }
    unsigned getWidgetUID() const { return m_widgetUID; }
    bool isValid() const { return m_isValid; }

    int getValue() const { return m_value; }
    void setValue(int value) { m_value = value; }
    bool getState() const { return m_state; }
    void setState(bool state) { m_state = state; }
    const char* getString() const { return m_string; }
    /// Keeps a copy; null clears the text.
    void setString(const char* text);
    const std::u16string& getUString() const { return m_ustring; }
    void setUString(const std::u16string& text) { m_ustring = text; }
    std::int64_t getTimestamp() const { return m_timestamp; }

    /// GUI thread: queues a valid event on the bridge (which takes it) and wakes the engine
    /// thread; an invalid event is deleted. The caller must not touch the event afterwards.
    void doEvent();

    /// Engine thread: delivers every queued event in arrival order. Returns at once when
    /// nested, paused, or while the host waits for a synchronous response.
    static void processPendingEvents();
    static void pausePendingEvents();
    static void resumePendingEvents();
    static bool arePendingEventsPaused();
    /// Forwards to the host's "EventManagement" service.
    static int redoEvents();
    static std::int64_t eventHandle();

    /// Any thread: makes sure a processing run follows on the engine thread, emitting the
    /// bridge's pending-events emitter unless a run is already asked for and not yet started.
    static void requestProcessing();

    /// Puts `flush` off until the calling thread's current work is done and returns true, or
    /// returns false when it cannot (another thread). Installed by the GUI side, so that a burst
    /// of events raised in one handler wakes the engine thread at its first event and once
    /// more after the burst, not once per event.
    using WakeDeferral = bool (*)(void (*flush)());
    static void setWakeDeferral(WakeDeferral deferral);

    /// Writes this event's trace line when tracing is on; timed lines feed the statistics.
    void debugOutput(const char* label, bool timed) const;

private:
    static void closeBurst();
    static void sendProcessingRequest();

    VXEventType m_type;
    VXWidget* m_widget = nullptr;
    unsigned m_widgetUID = 0;
    int m_value = 0;
    bool m_state = false;
    char* m_string = nullptr;
    std::u16string m_ustring;
    std::int64_t m_timestamp = 0;
    bool m_isValid = false;
    /// The bridge's queue links its events through this.
    VXEvent* m_queueNext = nullptr;
    friend class VXEventQueue;
};
