#include "vx_qtgui/modelexplorer/itemviews/AutoUpdate.h"

#include <QWidget>

AutoUpdate::AutoUpdate(QWidget* view, bool suspend)
    : m_view(view)
    , m_restore(view && suspend && view->updatesEnabled())
{
    if (m_restore)
        m_view->setUpdatesEnabled(false);
}

AutoUpdate::~AutoUpdate()
{
    if (m_restore)
        m_view->setUpdatesEnabled(true);
}
