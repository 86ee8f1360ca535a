#pragma once

#include "engine/modelexplorer/VXMEEvent.h"
#include "vxqtgui_export.h"

class VXStringList;

/// An explorer event carrying names (for example the new column order).
class VXQTGUI_EXPORT VXMEEventStringList : public VXMEEvent {
public:
    VXMEEventStringList(VXEventType type, VXWidget* widget, VXStringList* list);
    ~VXMEEventStringList() override;

    VXStringList* getList() const { return m_list; }

private:
    VXStringList* m_list;
};
