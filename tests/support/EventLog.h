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

    /// One field of every event, in arrival order.
    std::vector<int> values() const { return field(&SeenEvent::value); }
    std::vector<bool> states() const { return field(&SeenEvent::state); }
    std::vector<std::u16string> texts() const { return field(&SeenEvent::text); }
    std::vector<VXEventType> types() const { return field(&SeenEvent::type); }
    std::size_t count(VXEventType type) const { return ofType(type).size(); }
    std::vector<SeenEvent> ofType(VXEventType type) const;
    /// The last event of `type`; a default one (type InvalidEvent) when none came.
    SeenEvent last(VXEventType type) const;

    std::vector<SeenEvent> events;

private:
    template <class T> std::vector<T> field(T SeenEvent::*member) const
    {
        std::vector<T> result;
        for (const SeenEvent& e : events)
            result.push_back(e.*member);
        return result;
    }

    Action m_action;
};

} // namespace vxtest
