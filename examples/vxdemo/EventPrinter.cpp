#include "examples/vxdemo/EventPrinter.h"

#include "engine/VXDebugOutputLogging.h"
#include "engine/VXEvent.h"
#include "examples/vxdemo/DemoText.h"

#include <cstdio>
#include <utility>

namespace {
// Event type values in the catalogue all lie below this.
constexpr int kTypeLimit = 128;
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
    return VXDebugOutputLogging::getEventName(type);
}

bool EventPrinter::typeByName(const std::string& name, VXEventType& type)
{
    for (int id = 0; id < kTypeLimit; ++id) {
        const char* known = typeName(id);
        if (known && name == known) {
            type = static_cast<VXEventType>(id);
            return true;
        }
    }
    return false;
}
