#pragma once

#include "engine/modelexplorer/VXMEObjectDataFactory.h"

#include <atomic>

namespace VXHost {

/// The stand-in host's record factory: plain records for the object, and counters a test can read.
/// Any thread.
class HostObjectDataFactory : public VXServices::VXMEObjectDataFactory {
public:
    VXMEObjectMessageData* createMessageData(UDInterface* object) override;
    VXMEObjectEventData* createEventData(UDInterface* object) override;

    int messageDataCreated() const { return m_messageData.load(); }
    int eventDataCreated() const { return m_eventData.load(); }

private:
    std::atomic<int> m_messageData { 0 };
    std::atomic<int> m_eventData { 0 };
};

/// Installs the factory in the service registry unless one is installed already; returns the
/// installed one, or null when the host's own factory of another class is there.
HostObjectDataFactory* installObjectDataFactory();

} // namespace VXHost
