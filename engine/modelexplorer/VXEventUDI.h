#pragma once

#include "engine/VXEvent.h"
#include "engine/modelexplorer/UDInterface.h"
#include "vxqtgui_export.h"

/// An event naming one host object.
class VXQTGUI_EXPORT VXEventUDI : public VXEvent {
public:
    VXEventUDI(VXEventType type, VXWidget* widget, UDInterface* object);
    ~VXEventUDI() override;

    UDInterface* getObject() const { return m_object; }

private:
    UDInterface* m_object;
};
