#include "vx_qtgui/modelexplorer/itemviews/GuiBaseView.h"

#include "vx_qtgui/modelexplorer/itemviews/ListEventFilter.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>

#include <cstdlib>

const char GuiBaseView::HandleVectorMimeType[] = "application/x-velmar-handlevector";

GuiBaseView::GuiBaseView(QWidget* parent)
    : QTreeView(parent)
    , m_eventFilter(new ListEventFilter(this))
{
    installEventFilter(m_eventFilter);
    m_selectionTimer.setSingleShot(true);
    m_selectionTimer.setTimerType(Qt::CoarseTimer);
    m_selectionTimer.setInterval(SelectionDelayMs);
    connect(&m_selectionTimer, &QTimer::timeout, this, [this] { selectionSettled(); });
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
}

GuiBaseView::~GuiBaseView() = default;

void GuiBaseView::setUseSelectionDelay(bool on)
{
    m_useSelectionDelay = on;
    if (!on && m_selectionTimer.isActive()) {
        m_selectionTimer.stop();
        selectionSettled();
    }
}

void GuiBaseView::noteSelectionChanged()
{
    if (m_useSelectionDelay)
        m_selectionTimer.start();
    else
        selectionSettled();
}

void GuiBaseView::setWhitespaceAcceptedActions(unsigned actions)
{
    m_whitespaceDropStatus = DropAnswered;
    m_whitespaceActions = actions;
}

void GuiBaseView::clearWhitespaceAcceptedActions()
{
    m_whitespaceDropStatus = DropNone;
    m_whitespaceActions = 0;
}

bool GuiBaseView::isEventInWhitespace(const QPoint& viewportPosition) const
{
    const QAbstractItemModel* m = model();
    if (!m || m->rowCount(rootIndex()) == 0)
        return true;
    QModelIndex last = m->index(m->rowCount(rootIndex()) - 1, 0, rootIndex());
    while (isExpanded(last) && m->rowCount(last) > 0)
        last = m->index(m->rowCount(last) - 1, 0, last);
    const QRect rect = visualRect(last);
    if (rect.isEmpty())
        return !indexAt(viewportPosition).isValid();
    return viewportPosition.y() > rect.bottom();
}

QMimeData* GuiBaseView::createHandleVectorMimeData()
{
    auto* data = new QMimeData;
    data->setData(QLatin1String(HandleVectorMimeType), QByteArray());
    return data;
}

bool GuiBaseView::armsDrag(const QPoint& viewportPosition) const
{
    return dragEnabled() && indexAt(viewportPosition).isValid();
}

bool GuiBaseView::acceptRowDrag(QDragMoveEvent*)
{
    return false;
}

bool GuiBaseView::acceptRowDrop(QDropEvent*)
{
    return false;
}

void GuiBaseView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && armsDrag(event->pos())) {
        m_dragArmed = true;
        m_pressPosition = event->pos();
    }
    QTreeView::mousePressEvent(event);
}

void GuiBaseView::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragArmed && (event->buttons() & Qt::LeftButton)) {
        const QPoint moved = event->pos() - m_pressPosition;
        if (std::abs(moved.x()) >= DragDistance || std::abs(moved.y()) >= DragDistance) {
            aboutToStartDrag();
            emit dragStart(true);
            executeDrag();
            m_dragArmed = false;
        }
        return;
    }
    QTreeView::mouseMoveEvent(event);
}

void GuiBaseView::executeDrag()
{
    auto* drag = new QDrag(this);
    drag->setMimeData(createHandleVectorMimeData());
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

void GuiBaseView::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragArmed = false;
    QTreeView::mouseReleaseEvent(event);
}

void GuiBaseView::dragEnterEvent(QDragEnterEvent* event)
{
    if (!event->mimeData() || !event->mimeData()->hasFormat(QLatin1String(HandleVectorMimeType))) {
        event->ignore();
        return;
    }
    // Each drag asks the host afresh.
    clearWhitespaceAcceptedActions();
    event->acceptProposedAction();
    emit dragEnter();
}

void GuiBaseView::dragMoveEvent(QDragMoveEvent* event)
{
    if (!isEventInWhitespace(event->pos())) {
        if (acceptRowDrag(event))
            return;
        event->ignore();
        return;
    }
    if (m_whitespaceDropStatus == DropNone) {
        m_whitespaceDropStatus = DropAsking;
        emit dropQuery(nullptr, event->source() == this, event->mouseButtons());
        event->ignore();
        return;
    }
    if (m_whitespaceDropStatus == DropAnswered && m_whitespaceActions) {
        event->setDropAction(m_whitespaceActions == DropCopy ? Qt::CopyAction : Qt::MoveAction);
        event->accept();
        return;
    }
    event->ignore();
}

void GuiBaseView::dragLeaveEvent(QDragLeaveEvent* event)
{
    QTreeView::dragLeaveEvent(event);
}

void GuiBaseView::dropEvent(QDropEvent* event)
{
    if (!isEventInWhitespace(event->pos())) {
        if (!acceptRowDrop(event))
            event->ignore();
        return;
    }
    const QPoint global = viewport()->mapToGlobal(event->pos());
    emit drop(nullptr, event->source() == this, global.x(), global.y());
    event->acceptProposedAction();
}
