#pragma once

#include "engine/VXEventType.h"
#include "engine/VXListener.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

class UDInterface;
class VXWidget;

/// The demo's one listener: prints every event it receives as one line
/// ("event <object> <type> value=<v> state=<on|off> [text=...] [records=...]") and counts them.
/// Engine thread.
class EventPrinter : public VXListener {
public:
    /// Names a host object an explorer event carries, asked with the widget that sent it.
    using RecordNamer = std::function<std::string(const VXWidget*, const UDInterface*)>;
    /// Records printed per event; the rest are counted.
    static constexpr std::size_t MaxRecords = 5;

    /// `nameOf` names the object an event came from; `recordName` the host objects it carries.
    EventPrinter(std::function<std::string(const VXWidget*)> nameOf, RecordNamer recordName);

    void handleEvent(const VXEvent* event) override;

    long received() const { return m_received; }
    /// Events of `type` received so far.
    long receivedOf(VXEventType type) const;
    /// Counts per type, to tell later which arrived since.
    const std::map<VXEventType, long>& receivedByType() const { return m_receivedByType; }
    /// The object and type of the last event received (null before the first).
    const VXWidget* lastWidget() const { return m_lastWidget; }
    VXEventType lastType() const { return m_lastType; }

    /// The type's name in the event catalogue, or null for an unknown value.
    static const char* typeName(int type);
    /// The type named `name`; false for an unknown name.
    static bool typeByName(const std::string& name, VXEventType& type);
    static std::vector<VXEventType> allTypes();

private:
    std::string payloadOf(const VXEvent* event) const;

    std::function<std::string(const VXWidget*)> m_nameOf;
    RecordNamer m_recordName;
    long m_received = 0;
    std::map<VXEventType, long> m_receivedByType;
    const VXWidget* m_lastWidget = nullptr;
    VXEventType m_lastType = InvalidEvent;
};
