#pragma once

#include "engine/modelexplorer/VXMEEvent.h"
#include "vxqtgui_export.h"

class VXMEObjectEventData;

/// An explorer event about one host object (with the path to its root).
class VXQTGUI_EXPORT VXMEEventData : public VXMEEvent {
public:
    VXMEEventData(VXEventType type, VXWidget* widget, VXMEObjectEventData* data);
    ~VXMEEventData() override;

    VXMEObjectEventData* getData() const { return m_data; }

private:
    VXMEObjectEventData* m_data;
};
