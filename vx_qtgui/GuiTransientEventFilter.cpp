#include "vx_qtgui/GuiTransientEventFilter.h"

#include "vx_qtgui/GuiDialog.h"

#include <QEvent>

GuiTransientEventFilter::GuiTransientEventFilter(GuiDialog* dialog)
    : m_dialog(dialog)
{
}

bool GuiTransientEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event && event->type() == QEvent::WindowDeactivate && m_dialog && watched == m_dialog)
        m_dialog->applyCloseDialog();
    return false;
}
