#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "vrix/services/Service.h"
#include "vxqtgui_export.h"

class VXMEObjectEventData;
class VXMEObjectMessageData;

namespace VXServices {

/// The host's record factory ("VXMEObjectDataFactory"): the explorer asks it whenever it names a
/// host object in a record of its own making, so the host can hand back its own subclasses.
/// Installed by the host; any thread.
class VXQTGUI_EXPORT VXMEObjectDataFactory : public Service {
public:
    static const char* serviceName() { return "VXMEObjectDataFactory"; }

    ~VXMEObjectDataFactory() override;

    /// A new record for `object`, owned by the caller.
    virtual VXMEObjectMessageData* createMessageData(UDInterface* object) = 0;
    virtual VXMEObjectEventData* createEventData(UDInterface* object) = 0;
};

} // namespace VXServices
