#pragma once

#include "examples/vxdemo/CommandError.h"
#include "examples/vxdemo/CommandLine.h"

#include <functional>
#include <map>
#include <string>

class VXBridge;
class VXWidget;

/// One kind of widget the demo can create: how to build it through the bridge, and its named
/// properties (set / get) and simulated user actions. Engine thread.
class Kind {
public:
    /// Builds the proxy from the words after the parent; null when the bridge refused.
    using Create = std::function<VXWidget*(VXBridge&, VXWidget* parent, const CommandLine& args)>;
    using Apply = std::function<void(VXWidget&, const CommandLine& args)>;
    using Read = std::function<std::string(VXWidget&)>;

    struct Entry {
        std::string usage;
        Apply apply;
        Read read;
    };

    Kind() = default;
    Kind(std::string name, std::string usage, Create create);

    const std::string& name() const { return m_name; }
    const std::string& usage() const { return m_usage; }
    VXWidget* create(VXBridge& bridge, VXWidget* parent, const CommandLine& args) const;

    /// A property the host sets; `usage` lists its arguments.
    template <class P>
    Kind& set(const std::string& property, const std::string& usage,
        std::function<void(P&, const CommandLine&)> apply)
    {
        m_setters[property].usage = usage;
        m_setters[property].apply
            = [name = m_name, apply](VXWidget& widget, const CommandLine& args) {
                  apply(cast<P>(widget, name), args);
              };
        return *this;
    }

    /// A property the host reads back, printed as the reader formats it.
    template <class P> Kind& get(const std::string& property, std::function<std::string(P&)> read)
    {
        m_getters[property].read
            = [name = m_name, read](VXWidget& widget) { return read(cast<P>(widget, name)); };
        return *this;
    }

    /// A simulated user action (through the proxy's operations that act as the user would).
    template <class P>
    Kind& act(const std::string& action, const std::string& usage,
        std::function<void(P&, const CommandLine&)> apply)
    {
        m_actions[action].usage = usage;
        m_actions[action].apply
            = [name = m_name, apply](VXWidget& widget, const CommandLine& args) {
                  apply(cast<P>(widget, name), args);
              };
        return *this;
    }

    /// Throw CommandError naming the known entries when `key` is unknown.
    const Entry& setter(const std::string& key) const;
    const Entry& getter(const std::string& key) const;
    const Entry& action(const std::string& key) const;

    /// "label <text>, rect <x> <y> <w> <h>, ..." for help.
    std::string describeSetters() const;
    std::string describeGetters() const;
    std::string describeActions() const;

private:
    // Entries capture the kind's name, not the kind, so kinds copy freely.
    template <class P> static P& cast(VXWidget& widget, const std::string& kindName)
    {
        if (P* typed = dynamic_cast<P*>(&widget))
            return *typed;
        throw CommandError("the object is not a " + kindName);
    }

    const Entry& lookup(
        const std::map<std::string, Entry>& table, const std::string& key, const char* what) const;

    std::string m_name;
    std::string m_usage;
    Create m_create;
    std::map<std::string, Entry> m_setters;
    std::map<std::string, Entry> m_getters;
    std::map<std::string, Entry> m_actions;
};
