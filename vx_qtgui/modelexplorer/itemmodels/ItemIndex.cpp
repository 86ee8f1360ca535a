#include "vx_qtgui/modelexplorer/itemmodels/ItemIndex.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"

#include <algorithm>

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

namespace {
// Numbers up to this far past the owner's row count stay in the vector.
constexpr unsigned kDenseSlack = 1024;
} // namespace

ListItem* ItemIndex::OwnerRows::find(unsigned uid) const
{
    return uid < dense.size() ? dense[uid] : sparse.value(uid);
}

ListItem*& ItemIndex::OwnerRows::slot(unsigned uid)
{
    const std::size_t limit = 2 * std::size_t(count) + kDenseSlack;
    if (uid >= dense.size() && uid <= limit) {
        // Grown by doubling, so the hash below is walked a logarithmic number of times.
        dense.resize(
            std::max(std::size_t(uid) + 1, std::min(2 * dense.size(), limit + 1)), nullptr);
        // Entries that now fall inside the vector move there.
        for (auto it = sparse.begin(); it != sparse.end();) {
            if (it.key() < dense.size()) {
                dense[it.key()] = it.value();
                it = sparse.erase(it);
            } else {
                ++it;
            }
        }
    }
    ListItem*& at = uid < dense.size() ? dense[uid] : sparse[uid];
    return at;
}

void ItemIndex::OwnerRows::remove(unsigned uid, const ListItem* item)
{
    if (uid < dense.size()) {
        if (dense[uid] && (!item || dense[uid] == item)) {
            dense[uid] = nullptr;
            --count;
        }
        return;
    }
    auto row = sparse.find(uid);
    if (row != sparse.end() && (!item || row.value() == item)) {
        sparse.erase(row);
        --count;
    }
}

ListItem* ItemIndex::indexRow(UDInterface* owner, unsigned uid) const
{
    auto it = m_indexRows.constFind(owner);
    return it == m_indexRows.constEnd() ? nullptr : it->find(uid);
}

ItemIndex::OwnerRows& ItemIndex::rowsOf(UDInterface* owner)
{
    // A long list's rows arrive one after the other from one owner: one look-up for all.
    if (!m_lastRows || m_lastOwner != owner) {
        m_lastRows = &m_indexRows[owner];
        m_lastOwner = owner;
    }
    return *m_lastRows;
}

void ItemIndex::setIndexRow(UDInterface* owner, unsigned uid, ListItem* item)
{
    OwnerRows& rows = rowsOf(owner);
    ListItem*& at = rows.slot(uid);
    if (!at && item)
        ++rows.count;
    else if (at && !item)
        --rows.count;
    at = item;
}

void ItemIndex::reserveIndexRows(UDInterface* owner, int count)
{
    if (!owner || count <= 0)
        return;
    OwnerRows& rows = rowsOf(owner);
    const std::size_t wanted = rows.dense.size() + std::size_t(count);
    if (wanted > rows.dense.capacity())
        rows.dense.reserve(std::max(wanted, 2 * rows.dense.capacity()));
}

void ItemIndex::removeIndexRow(UDInterface* owner, unsigned uid, const ListItem* item)
{
    auto it = m_indexRows.find(owner);
    if (it == m_indexRows.end())
        return;
    it->remove(uid, item);
    if (it->count == 0) {
        if (m_lastRows == &it.value())
            m_lastRows = nullptr;
        m_indexRows.erase(it);
    }
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
    m_lastRows = nullptr;
}
