#include "examples/vxdemo/KindTable.h"

#include "examples/vxdemo/BrowserKinds.h"
#include "examples/vxdemo/ButtonKinds.h"
#include "examples/vxdemo/ContainerKinds.h"
#include "examples/vxdemo/ExplorerKinds.h"
#include "examples/vxdemo/MenuKinds.h"
#include "examples/vxdemo/ProgressKinds.h"
#include "examples/vxdemo/SheetKinds.h"
#include "examples/vxdemo/TextKinds.h"

KindTable::KindTable(const Lookup& lookup)
{
    ButtonKinds::addTo(*this);
    ContainerKinds::addTo(*this, lookup);
    MenuKinds::addTo(*this, lookup);
    ProgressKinds::addTo(*this);
    TextKinds::addTo(*this);
    BrowserKinds::addTo(*this);
    ExplorerKinds::addTo(*this);
    SheetKinds::addTo(*this, lookup);
}

void KindTable::add(const Kind& kind)
{
    m_kinds[kind.name()] = kind;
}

const Kind& KindTable::find(const std::string& name) const
{
    auto found = m_kinds.find(name);
    if (found != m_kinds.end())
        return found->second;
    std::string known;
    for (const auto& entry : m_kinds)
        known += (known.empty() ? "" : ", ") + entry.first;
    throw CommandError("unknown kind \"" + name + "\" (known: " + known + ")");
}

std::vector<std::string> KindTable::names() const
{
    std::vector<std::string> all;
    for (const auto& entry : m_kinds)
        all.push_back(entry.first);
    return all;
}
