#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <QString>
#include <QVector>

class GuiListView;

/// Keeps the selection of a list across a rebuild of its model: the selected rows are recorded
/// on construction (object rows by object, index rows by owner and index, group rows by name)
/// and selected again, one of them current, on destruction. GUI thread.
class AutoSelectListItem {
public:
    explicit AutoSelectListItem(GuiListView* view);
    AutoSelectListItem(const AutoSelectListItem&) = delete;
    AutoSelectListItem& operator=(const AutoSelectListItem&) = delete;
    ~AutoSelectListItem();

    struct Key {
        UDInterface* object = nullptr;
        UDInterface* owner = nullptr;
        unsigned uid = 0;
        QString group;

        friend bool operator==(const Key& a, const Key& b)
        {
            return a.object == b.object && a.owner == b.owner && a.uid == b.uid
                && a.group == b.group;
        }
    };
    /// The keys of the selected rows, in selection order.
    static QVector<Key> keysOf(const GuiListView* view);

private:
    GuiListView* m_view;
    QVector<Key> m_keys;
    int m_current = -1;
};
