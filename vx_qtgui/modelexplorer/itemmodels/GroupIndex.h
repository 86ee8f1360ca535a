#pragma once

#include <QHash>
#include <QString>

class ListItem;

/// The group rows below the root by title: the first group row made for a title answers for it,
/// so adding a row to one of a thousand groups does not scan them. GUI thread.
class GroupIndex {
public:
    ListItem* find(const QString& title) const { return m_groups.value(title); }
    /// Keeps an earlier entry for the same title (the first group row wins).
    void add(const QString& title, ListItem* group);
    /// Drops `group` wherever it is entered.
    void remove(const ListItem* group, const QString& title);
    void clear() { m_groups.clear(); }
    bool isEmpty() const { return m_groups.isEmpty(); }

private:
    QHash<QString, ListItem*> m_groups;
};
