#pragma once

#include "engine/modelexplorer/VXMEObjectDataFactory.h"

#include <atomic>

/// The demo's record factory service: the explorer asks it, on the GUI thread, for the records
/// that name store objects in its events. It reads nothing from the store (the store belongs
/// to the engine thread); the host resolves the handles when the events arrive. Any thread.
class DemoRecordFactory : public VXServices::VXMEObjectDataFactory {
public:
    VXMEObjectMessageData* createMessageData(UDInterface* object) override;
    VXMEObjectEventData* createEventData(UDInterface* object) override;

    long recordsMade() const { return m_made.load(); }

    /// Installs the demo's factory unless it is there already, replacing the stand-in host's;
    /// returns the installed one.
    static DemoRecordFactory* install();

private:
    std::atomic<long> m_made { 0 };
};
