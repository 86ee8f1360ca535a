#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

#include "engine/modelexplorer/VXMEObjectDataFactory.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/services/ServiceRegistry.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableExpandCollapse.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableModelResetSlot.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoSelectTreeItem.h"
#include "vx_qtgui/modelexplorer/itemviews/TreeViewDelegate.h"
#include "vx_qtgui/modelexplorer/itemviews/TreeViewEventFilter.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QMetaMethod>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionViewItem>
#include <QTimerEvent>

#include <cstdlib>

namespace {

// Holds back painting for a scope.
class AutoNoUpdates {
public:
    explicit AutoNoUpdates(QWidget* w)
        : m_widget(w)
        , m_was(w->updatesEnabled())
    {
        m_widget->setUpdatesEnabled(false);
    }
    ~AutoNoUpdates() { m_widget->setUpdatesEnabled(m_was); }

private:
    QWidget* m_widget;
    bool m_was;
};

// Turns the selection delay off for a scope.
class AutoNoSelectionDelay {
public:
    explicit AutoNoSelectionDelay(GuiBaseView* v)
        : m_view(v)
        , m_was(v->useSelectionDelay())
    {
        m_view->setUseSelectionDelay(false);
    }
    ~AutoNoSelectionDelay() { m_view->setUseSelectionDelay(m_was); }

private:
    GuiBaseView* m_view;
    bool m_was;
};

} // namespace

GuiTreeView::GuiTreeView(QWidget* parent)
    : GuiBaseView(parent)
    , m_delegate(new TreeViewDelegate(this))
    , m_keyFilter(new TreeViewEventFilter(this))
{
    setItemDelegate(m_delegate);
    installEventFilter(m_keyFilter);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setRootIsDecorated(true);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::WheelFocus);
    setHeaderHidden(true);
    // Section modes need a model's column: set with the model.
    header()->setStretchLastSection(false);
    setUseSelectionDelay(true);
    connect(this, &QAbstractItemView::clicked, this, &GuiTreeView::slotTreeItemClicked);
    connect(this, &QAbstractItemView::doubleClicked, this, &GuiTreeView::slotDoubleClicked);
    setExpandCollapseHandling(true);
}

GuiTreeView::~GuiTreeView()
{
    delete m_hitTestStyle;
}

void GuiTreeView::setModel(QAbstractItemModel* model)
{
    if (m_resetConnection)
        disconnect(m_resetConnection);
    m_model = qobject_cast<TreeModel*>(model);
    GuiBaseView::setModel(model);
    if (model && model->columnCount() > 0) {
        header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
        header()->setStretchLastSection(false);
    }
    if (selectionModel())
        connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GuiTreeView::slotTreeSelectionChanged);
    setModelResetHandling(true);
}

void GuiTreeView::setExpandCollapseHandling(bool on)
{
    if (on && !m_expandConnection) {
        m_expandConnection
            = connect(this, &QTreeView::expanded, this, &GuiTreeView::slotTreeItemExpanded);
        m_collapseConnection
            = connect(this, &QTreeView::collapsed, this, &GuiTreeView::slotTreeItemCollapsed);
    } else if (!on && m_expandConnection) {
        disconnect(m_expandConnection);
        disconnect(m_collapseConnection);
        m_expandConnection = {};
        m_collapseConnection = {};
    }
}

void GuiTreeView::setModelResetHandling(bool on)
{
    if (on && !m_resetConnection && m_model)
        m_resetConnection
            = connect(m_model, &QAbstractItemModel::modelReset, this, &GuiTreeView::slotModelReset);
    else if (!on && m_resetConnection) {
        disconnect(m_resetConnection);
        m_resetConnection = {};
    }
}

template <class Signal> void GuiTreeView::emitRecord(Signal signal, VXMEObjectEventData* record)
{
    // Nobody to take the record: it would leak.
    if (record && !isSignalConnected(QMetaMethod::fromSignal(signal))) {
        delete record;
        return;
    }
    emit(this->*signal)(record);
}

VXMEObjectEventData* GuiTreeView::createNewEventObject(const ListItem* item) const
{
    if (!item || !item->object)
        return nullptr;
    auto* factory = VXServices::VXService<VXServices::VXMEObjectDataFactory>::get();
    VXMEObjectEventData* record
        = factory ? factory->createEventData(item->object) : new VXMEObjectEventData(item->object);
    if (record)
        record->parent = createNewEventObject(item->parent());
    return record;
}

// Content ---------------------------------------------------------------------------------------

void GuiTreeView::setRoot(VXMEObjectMessageData* record)
{
    if (!m_model)
        return;
    TreeModel::FillResult fill;
    ListItem* rootNode = nullptr;
    {
        const QSignalBlocker blockView(this);
        const QSignalBlocker blockSelection(selectionModel());
        AutoNoSelectionDelay noDelay(this);
        AutoEnableDisableExpandCollapse noExpandHandling(this, false);
        AutoEnableDisableModelResetSlot noResetHandling(this);
        m_itemToSelect = QPersistentModelIndex();
        m_hoverIndex = QPersistentModelIndex();
        m_dropIndex = QPersistentModelIndex();
        rootNode = m_model->setRoot(record, &fill);
        // Right after a reset the view only records expansions; it lays out once, later. A
        // tree refreshed in place keeps the view's state, which the set may have left.
        // Only changes are applied: QTreeView looks each index up among its rows.
        for (ListItem* item : fill.collapse) {
            const QModelIndex index = m_model->indexFromItem(item);
            if (isExpanded(index))
                collapse(index);
        }
        for (ListItem* item : fill.expand) {
            const QModelIndex index = m_model->indexFromItem(item);
            if (!isExpanded(index))
                expand(index);
        }
        if (rootNode) {
            const QModelIndex root = m_model->indexFromItem(rootNode);
            expand(root);
            m_model->addToExpanded(root);
        }
    }
    if (rootNode) {
        AutoNoSelectionDelay noDelay(this);
        selectIndex(m_model->indexFromItem(rootNode));
    }
}

void GuiTreeView::replaceSubtree(VXMEObjectMessageData* record, bool requestChildren)
{
    if (!m_model || !record)
        return;
    setUseSelectionDelay(false);
    m_itemToSelect = QPersistentModelIndex();
    m_hoverIndex = QPersistentModelIndex();
    std::vector<UDInterface*> requests;
    {
        AutoSelectTreeItem reselect(this, &m_itemToSelect);
        AutoNoUpdates noUpdates(this);
        const QSignalBlocker blockSelection(selectionModel());
        ListItem* node = m_model->itemForObject(record->object);
        if (node) {
            m_model->refreshSubTree(record->children, node, requestChildren, &requests);
            m_model->updateItem(node, record, false);
            TreeModel::FillResult fill;
            m_model->fillSubTree(record->children, node, &fill);
            {
                AutoEnableDisableExpandCollapse noExpandHandling(this, false);
                for (ListItem* item : fill.collapse)
                    collapse(m_model->indexFromItem(item));
                for (ListItem* item : fill.expand)
                    expand(m_model->indexFromItem(item));
            }
            const QModelIndex index = m_model->indexFromItem(node);
            if (isExpanded(index))
                m_model->addToExpanded(index);
            if (m_model->isItemExpanded(index)) {
                AutoEnableDisableExpandCollapse noExpandHandling(this, false);
                expand(index);
            }
        }
    }
    for (UDInterface* object : requests)
        emitRecord(&GuiTreeView::subtreeReplaceRequested,
            createNewEventObject(m_model->itemForObject(object)));
    if (m_itemToSelect.isValid() && !selectionModel()->hasSelection())
        selectIndex(m_itemToSelect);
    setUseSelectionDelay(true);
    if (m_treeHasSelectionFocus)
        setFocus(Qt::OtherFocusReason);
}

void GuiTreeView::updateNodes(const VXMEObjectDataList* records)
{
    if (!m_model || !records)
        return;
    AutoNoUpdates noUpdates(this);
    for (VXMEObjectData* data : *records) {
        auto* record = dynamic_cast<VXMEObjectMessageData*>(data);
        if (!record || !m_model->updateNode(record))
            continue;
        const QModelIndex index = m_model->indexFromItem(record->object);
        if (isExpanded(index))
            m_model->addToExpanded(index);
    }
}

bool GuiTreeView::removeSubtree(UDInterface* object)
{
    if (!m_model || !m_model->itemForObject(object))
        return false;
    // One node goes the way of many: the selection moves to a neighbour and is reported.
    const std::vector<UDInterface*> one { object };
    removeSubtrees(&one);
    return true;
}

void GuiTreeView::removeSubtrees(const std::vector<UDInterface*>* objects)
{
    if (!m_model || !objects || objects->empty())
        return;
    ListItem* before = getCurrentSelection();
    UDInterface* beforeObject = before ? before->object : nullptr;
    {
        AutoNoUpdates noUpdates(this);
        const QSignalBlocker blockSelection(selectionModel());
        AutoNoSelectionDelay noDelay(this);
        m_itemToSelect = QPersistentModelIndex();
        for (UDInterface* object : *objects)
            m_model->removeSubtree(object);
        if (m_itemToSelect.isValid())
            selectIndex(m_itemToSelect);
    }
    ListItem* after = getCurrentSelection();
    if ((after ? after->object : nullptr) == beforeObject
        && (after != nullptr) == (before != nullptr))
        return;
    m_lastSelected = after ? after->object : nullptr;
    emitRecord(&GuiTreeView::treeSelectionChanged, createNewEventObject(after));
}

void GuiTreeView::selectIndex(const QModelIndex& index)
{
    if (!index.isValid() || !selectionModel())
        return;
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void GuiTreeView::expandAncestors(const QModelIndex& index)
{
    std::vector<QModelIndex> chain;
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        chain.push_back(p);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        expand(*it);
}

bool GuiTreeView::selectTreeItem(UDInterface* object, bool, bool)
{
    if (!m_model)
        return false;
    const QModelIndex index = m_model->indexFromItem(object);
    if (!index.isValid())
        return false;
    {
        const QSignalBlocker block(selectionModel());
        selectionModel()->clearSelection();
    }
    expandAncestors(index);
    selectIndex(index);
    return true;
}

bool GuiTreeView::expandTreeItem(UDInterface* object)
{
    return m_model && expandTreeItem(m_model->indexFromItem(object));
}

bool GuiTreeView::expandTreeItem(const QModelIndex& index)
{
    if (!index.isValid() || index.model() != m_model)
        return false;
    expandAncestors(index);
    expand(index);
    return true;
}

bool GuiTreeView::collapseTreeItem(UDInterface* object)
{
    const QModelIndex index = m_model ? m_model->indexFromItem(object) : QModelIndex();
    if (!index.isValid())
        return false;
    collapse(index);
    return true;
}

bool GuiTreeView::mouseSelectTreeViewNode(UDInterface* object)
{
    const QModelIndex index = m_model ? m_model->indexFromItem(object) : QModelIndex();
    if (!index.isValid())
        return false;
    expandAncestors(index);
    scrollTo(index);
    const QRect rect = visualRect(index);
    if (!rect.isValid())
        return false;
    // Past the check box and icon, on the text.
    const QPoint at(
        rect.right() - 1 > rect.left() ? rect.right() - 1 : rect.left(), rect.center().y());
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport()->mapToGlobal(at), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport()->mapToGlobal(at), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport(), &press);
    QApplication::sendEvent(viewport(), &release);
    disarmDrag();
    return true;
}

ListItem* GuiTreeView::getTreeItem(UDInterface* object) const
{
    return m_model ? m_model->itemForObject(object) : nullptr;
}

ListItem* GuiTreeView::getCurrentSelection() const
{
    if (!m_model || !selectionModel())
        return nullptr;
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : m_model->itemForIndex(rows.first());
}

void GuiTreeView::fillVectorWithVisibleTreeNodes(
    std::vector<UDInterface*>* out, UDInterface* parent) const
{
    if (!out || !m_model || !isVisible())
        return;
    const ListItem* start = parent ? m_model->itemForObject(parent) : m_model->root();
    if (!start)
        return;
    std::vector<const ListItem*> stack;
    for (int i = start->childCount() - 1; i >= 0; --i)
        stack.push_back(start->child(i));
    while (!stack.empty()) {
        const ListItem* item = stack.back();
        stack.pop_back();
        if (item->object)
            out->push_back(item->object);
        for (int i = item->childCount() - 1; i >= 0; --i)
            stack.push_back(item->child(i));
    }
}

void GuiTreeView::fillVectorWithTreeViewText(std::vector<std::u16string>* out) const
{
    if (!out || !m_model)
        return;
    for (QModelIndex index = m_model->index(0, 0); index.isValid(); index = indexBelow(index)) {
        const QString text = index.data().toString();
        out->emplace_back(
            reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    }
}

bool GuiTreeView::repaintNode(UDInterface* object, const QColor& color)
{
    ListItem* item = getTreeItem(object);
    if (!item)
        return false;
    item->setColor(color);
    update(m_model->indexFromItem(item));
    return true;
}

// Drag and drop state ---------------------------------------------------------------------------

bool GuiTreeView::setAcceptedActions(VXMEObjectMessageData* record, unsigned actions)
{
    return record && m_model && m_model->setAcceptedActions(record->object, actions);
}

void GuiTreeView::setDropCancel()
{
    if (!m_model)
        return;
    m_model->clearDropState(true, true);
    viewport()->update();
}

void GuiTreeView::clearAcceptedActions()
{
    if (m_model)
        m_model->clearDropState(false, true);
}

void GuiTreeView::clearDropStatuses()
{
    if (m_model)
        m_model->clearDropState(true, false);
}

void GuiTreeView::setLoadFlags(bool* cancel)
{
    m_loadCancelFlag = cancel;
    m_loading = cancel != nullptr;
}

void GuiTreeView::clearLoadFlags()
{
    m_loadCancelFlag = nullptr;
    m_loading = false;
}

void GuiTreeView::cancelLoading()
{
    if (m_loading && m_loadCancelFlag)
        *m_loadCancelFlag = true;
}

// Slots -----------------------------------------------------------------------------------------

void GuiTreeView::slotModelReset()
{
    AutoEnableDisableExpandCollapse noExpandHandling(this, false);
    expandCollapse(QModelIndex());
}

void GuiTreeView::expandCollapse(const QModelIndex& parent)
{
    if (!m_model)
        return;
    const int rows = m_model->rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex child = m_model->index(row, 0, parent);
        if (m_model->isItemExpanded(child)) {
            expand(child);
            if (!m_model->hasChildren(child))
                emitRecord(
                    &GuiTreeView::treeExpanded, createNewEventObject(m_model->itemForIndex(child)));
        } else {
            collapse(child);
        }
        if (m_model->hasChildren(child))
            expandCollapse(child);
    }
}

void GuiTreeView::slotTreeSelectionChanged(
    const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_isDragging)
        return;
    if (m_loading && !selected.isEmpty() && !deselected.isEmpty() && m_model) {
        const QModelIndex was = deselected.indexes().first();
        if (ListItem* item = m_model->itemForIndex(was))
            m_lastSelected = item->object;
        if (m_loadCancelFlag)
            *m_loadCancelFlag = selected.indexes().first() != was;
    }
    noteSelectionChanged();
}

void GuiTreeView::selectionSettled()
{
    if (!m_model || !selectionModel())
        return;
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        for (const QModelIndex& row : rows) {
            ListItem* item = m_model->itemForIndex(row);
            if (item && item->object != m_lastSelected) {
                m_lastSelected = item->object;
                emitRecord(&GuiTreeView::treeSelectionChanged, createNewEventObject(item));
                return;
            }
        }
        return;
    }
    if (m_lastSelected) {
        const QModelIndex again = m_model->indexFromItem(m_lastSelected);
        if (again.isValid()) {
            selectionModel()->select(
                again, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            return;
        }
        m_lastSelected = nullptr;
    }
    emitRecord(&GuiTreeView::treeSelectionChanged, nullptr);
}

void GuiTreeView::slotTreeItemClicked(const QModelIndex& index)
{
    if (index.isValid())
        emit viewSelectionChanged(true);
}

void GuiTreeView::slotTreeItemExpanded(const QModelIndex& index)
{
    if (m_model && m_model->addToExpanded(index))
        emitRecord(&GuiTreeView::treeExpanded, createNewEventObject(m_model->itemForIndex(index)));
}

void GuiTreeView::slotTreeItemCollapsed(const QModelIndex& index)
{
    if (m_model && m_model->addToCollapsed(index))
        emitRecord(&GuiTreeView::treeCollapsed, createNewEventObject(m_model->itemForIndex(index)));
}

void GuiTreeView::slotDoubleClicked(const QModelIndex& index)
{
    if (!m_model || !index.isValid() || index.model() != m_model)
        return;
    m_model->addToExpanded(index);
    emit treeItemDoubleClicked(m_model->itemForIndex(index));
}

// Events ----------------------------------------------------------------------------------------

void GuiTreeView::rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last)
{
    const QModelIndex current = selectionModel() ? currentIndex() : QModelIndex();
    bool holdsSelection = false;
    for (QModelIndex p = current; p.isValid(); p = p.parent()) {
        if (p.parent() == parent && p.row() >= first && p.row() <= last) {
            holdsSelection = true;
            break;
        }
    }
    if (holdsSelection && m_model) {
        // The next surviving sibling, else the previous one, else the parent.
        const int rows = m_model->rowCount(parent);
        if (last + 1 < rows)
            m_itemToSelect = m_model->index(last + 1, 0, parent);
        else if (first > 0)
            m_itemToSelect = m_model->index(first - 1, 0, parent);
        else
            m_itemToSelect = parent;
    }
    GuiBaseView::rowsAboutToBeRemoved(parent, first, last);
}

QStyle* GuiTreeView::hitTestStyle() const
{
    if (!m_hitTestStyle)
        m_hitTestStyle = QStyleFactory::create(QStringLiteral("windows"));
    return m_hitTestStyle ? m_hitTestStyle : style();
}

QRect GuiTreeView::checkBoxRect(const QModelIndex& index) const
{
    if (!index.isValid() || !(index.flags() & Qt::ItemIsEnabled)
        || !index.data(Qt::CheckStateRole).isValid())
        return QRect();
    QStyleOptionViewItem option = viewOptions();
    option.rect = visualRect(index);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    m_delegate->initStyleOptionFor(&option, index);
    return hitTestStyle()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
}

void GuiTreeView::mousePressEvent(QMouseEvent* event)
{
    AutoNoSelectionDelay noDelay(this);
    const QModelIndex index = indexAt(event->pos());
    if (event->button() != Qt::RightButton && index.isValid() && m_model) {
        if (selectionModel()->isRowSelected(index.row(), index.parent()))
            emit dialogUpdate(m_model->itemForIndex(index));
    }
    GuiBaseView::mousePressEvent(event);
}

void GuiTreeView::mouseMoveEvent(QMouseEvent* event)
{
    if (isDragArmed() && (event->buttons() & Qt::LeftButton)) {
        const QPoint moved = event->pos() - pressPosition();
        if (std::abs(moved.x()) >= DragDistance || std::abs(moved.y()) >= DragDistance) {
            disarmDrag();
            emit dragStart(false);
            executeDrag();
        }
        return;
    }
    GuiBaseView::mouseMoveEvent(event);
}

void GuiTreeView::dragEnterEvent(QDragEnterEvent* event)
{
    GuiBaseView::dragEnterEvent(event);
    if (event->isAccepted() && !m_isDragging) {
        m_isDragging = true;
        m_dropIndex = currentIndex();
    }
}

void GuiTreeView::endDrag()
{
    m_isDragging = false;
    m_hoverIndex = QPersistentModelIndex();
    if (m_autoExpandTimerId >= 0) {
        killTimer(m_autoExpandTimerId);
        m_autoExpandTimerId = -1;
    }
}

void GuiTreeView::dragLeaveEvent(QDragLeaveEvent* event)
{
    endDrag();
    // The rows crossed were selected only to show the target: the selection comes back.
    if (m_dropIndex.isValid()) {
        const QSignalBlocker block(selectionModel());
        selectIndex(m_dropIndex);
        viewport()->update();
    }
    GuiBaseView::dragLeaveEvent(event);
}

void GuiTreeView::dropEvent(QDropEvent* event)
{
    endDrag();
    GuiBaseView::dropEvent(event);
}

bool GuiTreeView::acceptRowDrag(QDragMoveEvent* event)
{
    m_hoverIndex = QPersistentModelIndex();
    const QModelIndex index = indexAt(event->pos());
    ListItem* item = m_model ? m_model->itemForIndex(index) : nullptr;
    if (!index.isValid() || !item)
        return false;
    selectionModel()->clearSelection();
    selectIndex(index);
    if (m_autoExpand) {
        m_hoverIndex = index;
        if (m_autoExpandTimerId >= 0)
            killTimer(m_autoExpandTimerId);
        m_autoExpandTimerId = startTimer(AutoExpandDelayMs, Qt::CoarseTimer);
    }
    if (item->dropStatus == DropNone) {
        item->setDropStatus(DropAsking);
        emit dropQuery(createNewEventObject(item), event->source() == this, event->mouseButtons());
        return false;
    }
    if (item->dropStatus == DropAnswered && item->acceptedActions) {
        event->setDropAction(item->acceptedActions == DropCopy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return true;
    }
    return false;
}

bool GuiTreeView::acceptRowDrop(QDropEvent* event)
{
    const QModelIndex index = indexAt(event->pos());
    ListItem* item = m_model ? m_model->itemForIndex(index) : nullptr;
    if (!index.isValid() || !item || item->dropStatus != DropAnswered || !item->acceptedActions
        || !event->mimeData() || !event->mimeData()->hasFormat(QLatin1String(HandleVectorMimeType)))
        return false;
    const QPoint global = viewport()->mapToGlobal(event->pos());
    emit drop(item->object, event->source() == this, global.x(), global.y());
    event->acceptProposedAction();
    return true;
}

void GuiTreeView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_autoExpandTimerId) {
        GuiBaseView::timerEvent(event);
        return;
    }
    killTimer(m_autoExpandTimerId);
    m_autoExpandTimerId = -1;
    if (m_hoverIndex.isValid()) {
        AutoEnableDisableExpandCollapse noExpandHandling(this, false);
        expand(m_hoverIndex);
    }
}

void GuiTreeView::contextMenuEvent(QContextMenuEvent* event)
{
    if (isDragArmed()) {
        event->ignore();
        return;
    }
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    emit rightButtonClicked(event->globalPos(), true, !index.isValid(), index);
    event->accept();
}

void GuiTreeView::focusInEvent(QFocusEvent* event)
{
    GuiBaseView::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::OtherFocusReason)
        emit viewSelectionChanged(true);
}
