#include "examples/vxdemo/Kind.h"

#include "engine/VXWidget.h"

#include <utility>

namespace {

std::string describe(const std::map<std::string, Kind::Entry>& table)
{
    std::string text;
    for (const auto& [key, entry] : table) {
        if (!text.empty())
            text += ", ";
        text += key;
        if (!entry.usage.empty())
            text += ' ' + entry.usage;
    }
    return text.empty() ? "(none)" : text;
}

} // namespace

Kind::Kind(std::string name, std::string usage, Create create)
    : m_name(std::move(name))
    , m_usage(std::move(usage))
    , m_create(std::move(create))
{
    // What every proxy offers; a kind may replace any of these with its own.
    set<VXWidget>("enabled", "on|off",
        [](VXWidget& w, const CommandLine& a) { w.setEnabled(a.flag(0, "on|off")); });
    set<VXWidget>("visible", "on|off",
        [](VXWidget& w, const CommandLine& a) { w.setVisible(a.flag(0, "on|off")); });
    set<VXWidget>("tooltip", "<text>",
        [](VXWidget& w, const CommandLine& a) { w.setToolTip(a.text(0, "tooltip text")); });
    set<VXWidget>("highlight", "on|off", [](VXWidget& w, const CommandLine& a) {
        w.setWidgethighlight(a.flag(0, "on|off"), 0, 0, 0, 0);
    });
}

VXWidget* Kind::create(VXBridge& bridge, VXWidget* parent, const CommandLine& args) const
{
    return m_create ? m_create(bridge, parent, args) : nullptr;
}

const Kind::Entry& Kind::lookup(
    const std::map<std::string, Entry>& table, const std::string& key, const char* what) const
{
    auto found = table.find(key);
    if (found == table.end())
        throw CommandError(
            m_name + " has no " + what + " \"" + key + "\" (it has: " + describe(table) + ")");
    return found->second;
}

const Kind::Entry& Kind::setter(const std::string& key) const
{
    return lookup(m_setters, key, "property to set");
}

const Kind::Entry& Kind::getter(const std::string& key) const
{
    return lookup(m_getters, key, "property to get");
}

const Kind::Entry& Kind::action(const std::string& key) const
{
    return lookup(m_actions, key, "user action");
}

std::string Kind::describeSetters() const
{
    return describe(m_setters);
}

std::string Kind::describeGetters() const
{
    return describe(m_getters);
}

std::string Kind::describeActions() const
{
    return describe(m_actions);
}
