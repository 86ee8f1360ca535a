#include "vx_qtgui/modelexplorer/itemviews/ListEventFilter.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>

ListEventFilter::ListEventFilter(QAbstractScrollArea* view)
    : QObject(view)
    , m_view(view)
{
}

bool ListEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view || event->type() != QEvent::MouseButtonPress)
        return false;
    QWidget* viewport = m_view->viewport();
    if (!viewport)
        return false;
    auto* press = static_cast<QMouseEvent*>(event);
    const QPointF local = viewport->mapFrom(m_view, press->pos());
    QMouseEvent forwarded(QEvent::MouseButtonPress, local, press->windowPos(), press->screenPos(),
        press->button(), press->buttons(), press->modifiers(), press->source());
    QCoreApplication::sendEvent(viewport, &forwarded);
    return true;
}
