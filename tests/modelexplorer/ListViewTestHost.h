#pragma once

#include "engine/VXEventType.h"
#include "engine/VXListener.h"
#include "engine/modelexplorer/UDInterface.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

class VXEvent;
class VXWidget;

/// One record of an explorer event, copied while the host listener ran.
struct SeenRecord {
    UDInterface* object = nullptr;
    UDInterface* owner = nullptr;
    std::uint64_t index = 0;
    std::vector<std::string> names;
    std::vector<std::u16string> values;
};

/// One explorer event as the host saw it; `object` is the event's own or its first record's.
struct SeenListEvent {
    VXEventType type = InvalidEvent;
    std::string text;
    bool state = false;
    int value = 0;
    UDInterface* object = nullptr;
    std::vector<SeenRecord> records;
    std::vector<int> numbers; ///< a flag array, number array or rectangle (x, y, w, h) payload
    std::vector<std::string> names; ///< the names given to a new object
};

/// The test host's listener on the list's owner proxy (engine thread): keeps a copy of every
/// explorer event with its records and may answer each one as a host would.
class ListViewTestHost : public VXListener {
public:
    using Answer = std::function<void(const SeenListEvent&)>;

    void handleEvent(const VXEvent* event) override;
    /// Listens to the list's events on `owner`, or to `types` when given.
    void watch(VXWidget* owner, std::initializer_list<VXEventType> types = {});
    void setAnswer(Answer answer) { m_answer = std::move(answer); }

    std::vector<SeenListEvent> ofType(VXEventType type) const;
    std::size_t count(VXEventType type) const { return ofType(type).size(); }

private:
    mutable std::mutex m_mutex;
    std::vector<SeenListEvent> m_events;
    Answer m_answer;
};
