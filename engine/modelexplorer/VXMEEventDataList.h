#pragma once

#include "engine/modelexplorer/VXMEEvent.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "vxqtgui_export.h"

/// An explorer event about several host objects (a selection, a drop, rows to fetch).
class VXQTGUI_EXPORT VXMEEventDataList : public VXMEEvent {
public:
    VXMEEventDataList(VXEventType type, VXWidget* widget, VXMEObjectDataList* list);
    ~VXMEEventDataList() override;

    VXMEObjectDataList* getList() const { return m_list; }

private:
    VXMEObjectDataList* m_list;
};
