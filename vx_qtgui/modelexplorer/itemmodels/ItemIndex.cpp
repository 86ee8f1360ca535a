#include "vx_qtgui/modelexplorer/itemmodels/ItemIndex.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"

void ItemIndex::setObject(UDInterface* object, ListItem* item)
{
    if (object)
        m_objects.insert(object, item);
}

void ItemIndex::removeObject(UDInterface* object, const ListItem* item)
{
    auto it = m_objects.find(object);
    if (it != m_objects.end() && it.value() == item)
        m_objects.erase(it);
}

ListItem* ItemIndex::indexRow(UDInterface* owner, unsigned uid) const
{
    auto it = m_indexRows.constFind(owner);
    return it == m_indexRows.constEnd() ? nullptr : it->value(uid);
}

void ItemIndex::setIndexRow(UDInterface* owner, unsigned uid, ListItem* item)
{
    m_indexRows[owner].insert(uid, item);
}

void ItemIndex::reserveIndexRows(UDInterface* owner, int count)
{
    if (!owner || count <= 0)
        return;
    QHash<unsigned, ListItem*>& rows = m_indexRows[owner];
    rows.reserve(rows.size() + count);
}

void ItemIndex::removeIndexRow(UDInterface* owner, unsigned uid, const ListItem* item)
{
    auto it = m_indexRows.find(owner);
    if (it == m_indexRows.end())
        return;
    auto row = it->find(uid);
    if (row != it->end() && (!item || row.value() == item))
        it->erase(row);
    if (it->isEmpty())
        m_indexRows.erase(it);
}

void ItemIndex::forget(const ListItem* item)
{
    if (item->object)
        removeObject(item->object, item);
    if (item->uidOwner)
        removeIndexRow(item->uidOwner, item->uid, item);
}

void ItemIndex::clear()
{
    m_objects.clear();
    m_indexRows.clear();
}
