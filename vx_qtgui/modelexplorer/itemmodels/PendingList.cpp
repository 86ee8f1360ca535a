#include "vx_qtgui/modelexplorer/itemmodels/PendingList.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"

bool PendingList::add(ListItem* item)
{
    if (item->onPendingList)
        return false;
    item->onPendingList = true;
    m_items.append(item);
    return true;
}

void PendingList::remove(ListItem* item)
{
    if (!item->onPendingList)
        return;
    item->onPendingList = false;
    m_items.removeOne(item);
}

void PendingList::takeAll(QList<ListItem*>& out)
{
    for (ListItem* item : qAsConst(m_items)) {
        item->onPendingList = false;
        out.append(item);
    }
    m_items.clear();
}

void PendingList::clear()
{
    for (ListItem* item : qAsConst(m_items))
        item->onPendingList = false;
    m_items.clear();
}
