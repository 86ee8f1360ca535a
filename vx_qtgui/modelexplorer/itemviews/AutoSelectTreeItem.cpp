#include "vx_qtgui/modelexplorer/itemviews/AutoSelectTreeItem.h"

#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

#include <QItemSelectionModel>

AutoSelectTreeItem::AutoSelectTreeItem(GuiTreeView* view, const QPersistentModelIndex* fallback)
    : m_view(view)
    , m_fallback(fallback)
{
    if (!m_view || !m_view->treeModel() || !m_view->selectionModel())
        return;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows()) {
        if (ListItem* item = m_view->treeModel()->itemForIndex(index))
            m_objects.push_back(item->object);
    }
}

AutoSelectTreeItem::~AutoSelectTreeItem()
{
    if (!m_view || !m_view->treeModel() || !m_view->selectionModel())
        return;
    TreeModel* model = m_view->treeModel();
    QItemSelectionModel* selection = m_view->selectionModel();
    QItemSelection again;
    for (UDInterface* object : m_objects) {
        const QModelIndex index = model->indexFromItem(object);
        if (index.isValid())
            again.select(index, index);
    }
    if (again.isEmpty() && !m_objects.empty() && m_fallback && m_fallback->isValid())
        again.select(*m_fallback, *m_fallback);
    if (again.isEmpty() || again == selection->selection())
        return;
    selection->select(again, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selection->setCurrentIndex(again.indexes().value(0), QItemSelectionModel::NoUpdate);
}
