#include "examples/vxdemo/EventPrinter.h"

#include "engine/VXEvent.h"
#include "engine/VXEventCatalogue.h"
#include "examples/vxdemo/DemoText.h"

#include <cstdio>
#include <utility>

namespace {

// Every catalogued type but InvalidEvent, which as a registration would remove the others.
bool isListenable(const VXEventCatalogue::Row& row)
{
    return row.type != InvalidEvent;
}

} // namespace

EventPrinter::EventPrinter(std::function<std::string(const VXWidget*)> nameOf)
    : m_nameOf(std::move(nameOf))
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
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    ++m_received;
    m_lastWidget = event->getWidget();
    m_lastType = event->getType();
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
