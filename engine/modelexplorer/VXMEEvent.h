#pragma once

#include "engine/VXEvent.h"
#include "vxqtgui_export.h"

/// Base of the explorer's events that carry records. The payload is freed with the event only
/// while `m_ownsPayload` is set, which the explorer does for every event it builds.
class VXQTGUI_EXPORT VXMEEvent : public VXEvent {
public:
    VXMEEvent(VXEventType type, VXWidget* widget);
    ~VXMEEvent() override;

    bool m_ownsPayload = true;
};
