#include "vx_qtgui/GuiFirstVisitEventFilter.h"

#include <QLineEdit>
#include <QMouseEvent>

GuiFirstVisitEventFilter::GuiFirstVisitEventFilter(QObject* parent)
    : QObject(parent)
{
}

bool GuiFirstVisitEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        m_justFocused = true;
        break;
    case QEvent::FocusOut:
        m_justFocused = false;
        break;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* edit = qobject_cast<QLineEdit*>(watched);
        if (mouse->button() != Qt::MiddleButton && edit && m_justFocused
            && !edit->hasSelectedText()) {
            edit->selectAll();
            m_justFocused = false;
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
