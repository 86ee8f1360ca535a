#pragma once

#include "vrix/services/Service.h"

#include <cstdint>

namespace VXServices {

/// The host's event bookkeeping ("EventManagement"); installed by the host, never by the toolkit.
class EventManagement : public Service {
public:
    static const char* serviceName() { return "EventManagement"; }

    /// The handle under which the toolkit's events are known to the host.
    virtual std::int64_t getEventHandle() = 0;
    /// Tells the host that events are waiting on the engine thread.
    virtual void notifyEventsPending() = 0;
    /// Asks the host to process again the events it deferred; returns its result.
    virtual int redoEvents() = 0;
};

} // namespace VXServices
