#pragma once

#include "engine/VXEventType.h"
#include "engine/VXListener.h"

#include <functional>
#include <string>
#include <vector>

class VXEvent;
class VXWidget;

namespace vxtest {

/// What a host listener saw of one event, copied while the listener ran.
struct SeenEvent {
    VXEventType type = InvalidEvent;
    VXWidget* source = nullptr;
    int value = 0;
    bool state = false;
    std::u16string text;
    std::string text8;
};

/// A host listener that keeps a copy of every event it receives, in arrival order, and may act
/// on each one as it arrives (engine thread). vxtest::deliverEvents() brings the queued ones.
class EventLog : public VXListener {
public:
    using Action = std::function<void(const VXEvent*)>;

    explicit EventLog(Action action = {});

    void handleEvent(const VXEvent* event) override;

    /// Registers this log on `proxy` for each of `types`.
    void watch(VXWidget* proxy, const std::vector<VXEventType>& types);

    std::vector<int> values() const;
    std::vector<bool> states() const;
    std::vector<std::u16string> texts() const;
    std::vector<VXEventType> types() const;
    std::size_t count(VXEventType type) const;
    std::vector<SeenEvent> ofType(VXEventType type) const;
    /// The last event of `type`; a default one (type InvalidEvent) when none came.
    SeenEvent last(VXEventType type) const;

    std::vector<SeenEvent> events;

private:
    Action m_action;
};

} // namespace vxtest
