#pragma once

#include "examples/vxdemo/Kind.h"

#include <map>
#include <string>
#include <vector>

/// Every kind of widget the demo knows, by name. Engine thread.
class KindTable {
public:
    /// Fills the table with every kind built so far.
    KindTable();

    void add(const Kind& kind);
    /// Throws CommandError listing the known kinds when `name` is unknown.
    const Kind& find(const std::string& name) const;
    std::vector<std::string> names() const;

private:
    std::map<std::string, Kind> m_kinds;
};
