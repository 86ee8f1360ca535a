#pragma once

#include "engine/VXEvent.h"
#include "engine/VXEventType.h"
#include "engine/VXListener.h"

#include <initializer_list>
#include <string>
#include <vector>

class VXWidget;

namespace vxtest {

/// What a host listener saw of one event (engine thread).
struct SeenEvent {
    VXEventType type;
    VXWidget* source;
    int value;
    bool state;
    std::u16string text;
};

/// A host listener that keeps a copy of every event it receives, of any registered type.
class EventLog : public VXListener {
public:
    void handleEvent(const VXEvent* event) override;
    /// Registers this log on `proxy` for each of `types`.
    void watch(VXWidget* proxy, std::initializer_list<VXEventType> types);
    /// The events of one type, in arrival order.
    std::vector<SeenEvent> ofType(VXEventType type) const;

    std::vector<SeenEvent> events;
};

/// The widget count of the GUI side, for leak checks (a synchronous round trip, so it also
/// waits for everything posted before it).
int widgetCount();

} // namespace vxtest
