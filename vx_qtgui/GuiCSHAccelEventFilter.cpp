#include "vx_qtgui/GuiCSHAccelEventFilter.h"

#include "vx_qtgui/GuiCommonMessages.h"

#include <QKeyEvent>

GuiCSHAccelEventFilter::GuiCSHAccelEventFilter(void* key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
}

bool GuiCSHAccelEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1 && (key->modifiers() & Qt::ShiftModifier)) {
            GuiCommonMessages::postEvent(m_key, CSHAccelEvent);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
