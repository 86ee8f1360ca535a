#pragma once

#include "examples/vxdemo/Kind.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

/// Every kind of widget the demo knows, by name. Engine thread.
class KindTable {
public:
    /// Finds a named object of the session (for properties that take a child); throws
    /// CommandError for an unknown name.
    using Lookup = std::function<VXWidget*(const std::string& name)>;

    /// Fills the table with every kind built so far.
    explicit KindTable(const Lookup& lookup);

    void add(const Kind& kind);
    /// Throws CommandError listing the known kinds when `name` is unknown.
    const Kind& find(const std::string& name) const;
    std::vector<std::string> names() const;

private:
    std::map<std::string, Kind> m_kinds;
};
