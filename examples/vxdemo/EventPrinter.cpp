#include "examples/vxdemo/EventPrinter.h"

#include "engine/VXEvent.h"
#include "engine/VXEventCatalogue.h"
#include "engine/modelexplorer/VXEventMouseUDI.h"
#include "engine/modelexplorer/VXEventUDI.h"
#include "engine/modelexplorer/VXMEEventData.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEEventStringList.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "examples/vxdemo/DemoText.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

#include <cstdio>
#include <utility>

namespace {

// Every catalogued type but InvalidEvent, which as a registration would remove the others.
bool isListenable(const VXEventCatalogue::Row& row)
{
    return row.type != InvalidEvent;
}

} // namespace

EventPrinter::EventPrinter(
    std::function<std::string(const VXWidget*)> nameOf, RecordNamer recordName)
    : m_nameOf(std::move(nameOf))
    , m_recordName(std::move(recordName))
{
}

void EventPrinter::handleEvent(const VXEvent* event)
{
    if (!event)
        return;
    const char* type = typeName(static_cast<int>(event->getType()));
    std::string line = "event " + m_nameOf(event->getWidget()) + ' '
        + (type ? type : std::to_string(event->getType())) + " value="
        + std::to_string(event->getValue()) + " state=" + demotext::onOff(event->getState());
    if (event->getString() && *event->getString())
        line += " text=" + demotext::quoted(std::string(event->getString()));
    if (!event->getUString().empty())
        line += " utext=" + demotext::quoted(event->getUString());
    line += payloadOf(event);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    ++m_received;
    ++m_receivedByType[event->getType()];
    m_lastWidget = event->getWidget();
    m_lastType = event->getType();
}

long EventPrinter::receivedOf(VXEventType type) const
{
    const auto found = m_receivedByType.find(type);
    return found == m_receivedByType.end() ? 0 : found->second;
}

std::string EventPrinter::payloadOf(const VXEvent* event) const
{
    const VXWidget* source = event->getWidget();
    // An index row of an incrementally loaded list is named by its owner and its place there.
    auto name = [&](const VXMEObjectData* record) -> std::string {
        if (!record)
            return "(null)";
        if (!record->object && record->owner)
            return m_recordName(source, record->owner) + '#' + std::to_string(record->index);
        const std::string text = m_recordName(source, record->object);
        return text.empty() ? "(none)" : text;
    };
    // A record of an edit carries the property names with their new values.
    auto edits = [](const VXMEObjectData* record) {
        auto* data = dynamic_cast<const VXMEObjectEventData*>(record);
        std::string out;
        if (!data || !data->propertyNames || !data->propertyValues)
            return out;
        const auto& values = data->propertyValues->elements();
        for (int i = 0; i < data->propertyNames->size() && i < int(values.size()); ++i)
            out += ' ' + std::string(data->propertyNames->elementAt(i)) + '='
                + demotext::quoted(values[std::size_t(i)]);
        return out;
    };
    auto listed = [](const char* label, std::size_t count, auto&& each) {
        std::string out = std::string(" ") + label + "=[";
        std::size_t shown = 0;
        each([&](const std::string& item) {
            if (shown < MaxRecords)
                out += (shown == 0 ? "" : " ") + item;
            ++shown;
        });
        if (count > MaxRecords)
            out += " +" + std::to_string(count - MaxRecords);
        return out + ']';
    };
    if (auto* list = dynamic_cast<const VXMEEventDataList*>(event)) {
        if (!list->getList())
            return {};
        return listed("records", list->getList()->size(), [&](auto&& add) {
            for (const VXMEObjectData* record : *list->getList()) {
                const std::string changed = edits(record);
                add(changed.empty() ? name(record) : name(record) + '(' + changed.substr(1) + ')');
            }
        });
    }
    if (auto* one = dynamic_cast<const VXMEEventData*>(event)) {
        const VXMEObjectEventData* data = one->getData();
        if (!data)
            return {};
        return " record=" + name(data) + edits(data);
    }
    if (auto* names = dynamic_cast<const VXMEEventStringList*>(event)) {
        if (!names->getList())
            return {};
        return listed("names", std::size_t(names->getList()->size()), [&](auto&& add) {
            for (int i = 0; i < names->getList()->size(); ++i)
                add(names->getList()->elementAt(i));
        });
    }
    const UDInterface* object = nullptr;
    if (auto* udi = dynamic_cast<const VXEventUDI*>(event))
        object = udi->getObject();
    else if (auto* mouse = dynamic_cast<const VXEventMouseUDI*>(event))
        object = mouse->getObject();
    else
        return {};
    const std::string text = object ? m_recordName(source, object) : std::string();
    return " object=" + (text.empty() ? std::string("(none)") : text);
}

const char* EventPrinter::typeName(int type)
{
    return VXEventCatalogue::name(static_cast<VXEventType>(type));
}

bool EventPrinter::typeByName(const std::string& name, VXEventType& type)
{
    for (std::size_t i = 0; i < VXEventCatalogue::rowCount(); ++i) {
        const VXEventCatalogue::Row& row = VXEventCatalogue::rows()[i];
        if (isListenable(row) && name == row.name) {
            type = row.type;
            return true;
        }
    }
    return false;
}

std::vector<VXEventType> EventPrinter::allTypes()
{
    std::vector<VXEventType> all;
    for (std::size_t i = 0; i < VXEventCatalogue::rowCount(); ++i) {
        if (isListenable(VXEventCatalogue::rows()[i]))
            all.push_back(VXEventCatalogue::rows()[i].type);
    }
    return all;
}
