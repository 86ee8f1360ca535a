#pragma once

#include "engine/VXEvent.h"
#include "engine/VXListener.h"

#include <atomic>
#include <functional>
#include <vector>

namespace vxtest {

/// A host listener that keeps the value of every event it receives and may act on it
/// (engine thread).
class RecordingListener : public VXListener {
public:
    explicit RecordingListener(std::function<void(const VXEvent*)> action = {});

    void handleEvent(const VXEvent* event) override;

    std::vector<int> values;

private:
    std::function<void(const VXEvent*)> m_action;
};

/// An event that counts its own deletion, to see that the queue's consumer frees it.
class CountedEvent : public VXEvent {
public:
    CountedEvent(VXEventType type, VXWidget* widget, int value, std::atomic<int>* deletions);
    ~CountedEvent() override;

private:
    std::atomic<int>* m_deletions;
};

} // namespace vxtest
