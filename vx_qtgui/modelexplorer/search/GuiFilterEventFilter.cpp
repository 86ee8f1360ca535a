#include "vx_qtgui/modelexplorer/search/GuiFilterEventFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

GuiFilterEventFilter::GuiFilterEventFilter(QLineEdit* edit)
    : QObject(edit)
    , m_edit(edit)
{
    if (edit)
        edit->installEventFilter(this);
}

bool GuiFilterEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        m_edit->clear();
        m_edit->clearFocus();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
