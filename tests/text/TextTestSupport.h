#pragma once

#include "engine/VXEventType.h"
#include "engine/VXListener.h"

#include <string>
#include <vector>

class VXWidget;

namespace vxtest {

/// One delivered event, copied while the listener ran.
struct SeenEvent {
    VXEventType type;
    VXWidget* source;
    int value;
    std::u16string utext;
    std::string text;
};

/// A host listener that keeps every event it receives, in order (engine thread).
class EventLog : public VXListener {
public:
    void handleEvent(const VXEvent* event) override;
    /// Registers this log on `proxy` for each type.
    void listenTo(VXWidget* proxy, std::initializer_list<VXEventType> types);
    std::size_t count(VXEventType type) const;
    /// The types in delivery order.
    std::vector<VXEventType> types() const;
    /// The last event of `type`; a default one (type InvalidEvent) when none came.
    SeenEvent last(VXEventType type) const;

    std::vector<SeenEvent> events;
};

/// Engine-side test fixture helper: every widget and proxy made in a test is gone at its end.
int widgetCount();

} // namespace vxtest
