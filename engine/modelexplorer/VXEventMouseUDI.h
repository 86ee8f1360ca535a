#pragma once

#include "engine/VXEventMouse.h"
#include "engine/modelexplorer/UDInterface.h"
#include "vxqtgui_export.h"

/// A position together with the host object under it.
class VXQTGUI_EXPORT VXEventMouseUDI : public VXEventMouse {
public:
    VXEventMouseUDI(VXEventType type, VXWidget* widget, int x, int y, UDInterface* object);
    ~VXEventMouseUDI() override;

    UDInterface* getObject() const { return m_object; }

private:
    UDInterface* m_object;
};
