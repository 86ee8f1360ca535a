#include "vx_qtgui/modelexplorer/itemmodels/GroupIndex.h"

void GroupIndex::add(const QString& title, ListItem* group)
{
    if (!m_groups.contains(title))
        m_groups.insert(title, group);
}

void GroupIndex::remove(const ListItem* group, const QString& title)
{
    auto it = m_groups.find(title);
    if (it != m_groups.end() && it.value() == group)
        m_groups.erase(it);
}
