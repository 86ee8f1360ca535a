#include "vx_qtgui/modelexplorer/search/SBLineEdit.h"

#include <QKeyEvent>

SBLineEdit::SBLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::editingFinished, this, [this] {
        if (!m_delivering)
            emit leValueEntered(this, text());
    });
}

void SBLineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        tabToNextWidget();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SBLineEdit::tabToNextWidget()
{
    // Delivered here, once, whether or not the window is active to see the focus leave.
    emit leValueEntered(this, text());
    m_delivering = true;
    focusNextChild();
    m_delivering = false;
}
