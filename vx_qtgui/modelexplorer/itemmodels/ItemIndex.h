#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <QHash>

#include <vector>

class ListItem;

/// Finds rows by host object and index rows by (owner, row index). Holds no ownership. GUI thread.
class ItemIndex {
public:
    ListItem* object(UDInterface* object) const
    {
        return object ? m_objects.value(object) : nullptr;
    }
    /// Replaces any earlier entry of the object; a null object is not entered.
    void setObject(UDInterface* object, ListItem* item);
    /// Removes the entry only when it still names `item`.
    void removeObject(UDInterface* object, const ListItem* item);

    ListItem* indexRow(UDInterface* owner, unsigned uid) const;
    void setIndexRow(UDInterface* owner, unsigned uid, ListItem* item);
    void removeIndexRow(UDInterface* owner, unsigned uid, const ListItem* item = nullptr);
    /// Makes room for `count` more index rows of `owner` (a long list arriving at once).
    void reserveIndexRows(UDInterface* owner, int count);
    /// Makes room for `count` more object rows when that at least doubles the index (short
    /// batches leave the hash to its own growth).
    void reserveObjects(int count)
    {
        if (count > m_objects.size())
            m_objects.reserve(m_objects.size() + count);
    }

    /// Drops both entries of `item` (its object's and its index row's) when they name it.
    void forget(const ListItem* item);
    void clear();
    int objectCount() const { return m_objects.size(); }

private:
    /// The index rows of one owner: a long list's rows are numbered from 0, so most sit in a
    /// vector by their number; numbers far past the count go to a hash.
    struct OwnerRows {
        std::vector<ListItem*> dense;
        QHash<unsigned, ListItem*> sparse;
        int count = 0;

        ListItem* find(unsigned uid) const;
        /// The slot of `uid`, made when missing.
        ListItem*& slot(unsigned uid);
        /// Removes the entry when it names `item` (any item when null).
        void remove(unsigned uid, const ListItem* item);
    };

    OwnerRows& rowsOf(UDInterface* owner);

    QHash<UDInterface*, ListItem*> m_objects;
    QHash<UDInterface*, OwnerRows> m_indexRows;
    // The entry of the last owner written (QHash values stay put while their key is present).
    UDInterface* m_lastOwner = nullptr;
    OwnerRows* m_lastRows = nullptr;
};
