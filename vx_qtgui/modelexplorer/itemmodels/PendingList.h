#pragma once

#include <QList>
#include <QVector>

class ListItem;

/// Rows whose data the view must still fetch from the host, in the order they were asked for.
/// A row is on it at most once (its `onPendingList` mark). GUI thread.
class PendingList {
public:
    /// False when the row is already on the list.
    bool add(ListItem* item);
    void remove(ListItem* item);
    /// Hands the whole list over and empties it.
    void takeAll(QList<ListItem*>& out);
    void clear();
    bool isEmpty() const { return m_items.isEmpty(); }
    int size() const { return m_items.size(); }

private:
    QVector<ListItem*> m_items;
};
