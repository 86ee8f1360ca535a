#include "vx_qtgui/modelexplorer/itemviews/TreeViewEventFilter.h"

#include <QEvent>
#include <QWidget>

TreeViewEventFilter::TreeViewEventFilter(QWidget* view)
    : QObject(view)
    , m_view(view)
{
}

bool TreeViewEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && m_view && !m_view->isVisible())
        return true;
    return QObject::eventFilter(watched, event);
}
