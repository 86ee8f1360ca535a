#include "vx_qtgui/modelexplorer/search/SBComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

SBComboBox::SBComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // An editable box completes over its items already.
    connect(this, QOverload<int>::of(&QComboBox::activated), this, [this] { deliver(); });
}

void SBComboBox::deliver()
{
    emit cbValueEntered(this, currentText());
}

void SBComboBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QComboBox::keyPressEvent(event);
        deliver();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (count() > 0) {
            showPopup();
            // The popup moves its current row for the same key.
            QKeyEvent copy(event->type(), event->key(), event->modifiers());
            QApplication::sendEvent(view(), &copy);
            return;
        }
        break;
    default:
        break;
    }
    QComboBox::keyPressEvent(event);
}

void SBComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        deliver();
}
