#include "vx_qtgui/modelexplorer/itemviews/AutoSelectListItem.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <QAbstractProxyModel>
#include <QItemSelectionModel>

namespace {
AutoSelectListItem::Key keyOf(const ListModel* model, const ListItem* item)
{
    AutoSelectListItem::Key key;
    if (item->object)
        key.object = item->object;
    else if (item->uidOwner) {
        key.owner = item->uidOwner;
        key.uid = item->uid;
    } else if (model->isGroupItem(item))
        key.group = item->text(0);
    return key;
}

QModelIndex sourceIndexOf(const ListModel* model, const AutoSelectListItem::Key& key)
{
    if (key.object)
        return model->indexFromItem(key.object);
    if (key.owner)
        return model->indexFromUID(key.owner, key.uid);
    if (key.group.isEmpty() || !model->root())
        return QModelIndex();
    for (int row = 0; row < model->rowCount(); ++row) {
        const QModelIndex index = model->index(row, 0);
        const ListItem* item = model->itemForIndex(index);
        if (model->isGroupItem(item) && item->text(0) == key.group)
            return index;
    }
    return QModelIndex();
}
} // namespace

QVector<AutoSelectListItem::Key> AutoSelectListItem::keysOf(const GuiListView* view)
{
    QVector<Key> keys;
    if (!view || !view->selectionModel() || !view->listModel())
        return keys;
    for (const QModelIndex& index : view->selectionModel()->selectedRows(0)) {
        if (const ListItem* item = view->itemForIndex(index))
            keys.append(keyOf(view->listModel(), item));
    }
    return keys;
}

AutoSelectListItem::AutoSelectListItem(GuiListView* view)
    : m_view(view)
    , m_keys(keysOf(view))
{
    const ListItem* current = view ? view->itemForIndex(view->currentIndex()) : nullptr;
    if (current)
        m_current = m_keys.indexOf(keyOf(view->listModel(), current));
}

AutoSelectListItem::~AutoSelectListItem()
{
    if (!m_view || !m_view->selectionModel() || m_keys.isEmpty())
        return;
    const ListModel* model = m_view->listModel();
    const QAbstractProxyModel* proxy = m_view->proxyModel();
    QItemSelection selection;
    QModelIndex current;
    for (int i = 0; i < m_keys.size(); ++i) {
        const QModelIndex source = sourceIndexOf(model, m_keys[i]);
        const QModelIndex index = source.isValid() ? proxy->mapFromSource(source) : QModelIndex();
        if (!index.isValid())
            continue;
        selection.select(index, index);
        if (!current.isValid() || i == m_current)
            current = index;
    }
    // The freeze view shares the selection model: both views follow.
    m_view->selectionModel()->select(
        selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (current.isValid())
        m_view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
}
