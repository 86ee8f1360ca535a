#include "vx_qtgui/modelexplorer/GuiMEDialogPanel.h"

#include <QScrollArea>
#include <QVBoxLayout>

GuiMEDialogPanel::GuiMEDialogPanel(QWidget* parent)
    : QWidget(parent)
    , m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("dialogPane"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    setScrollable(true);
}

void GuiMEDialogPanel::setScrollable(bool scrollable)
{
    if (scrollable == isScrollable())
        return;
    QWidget* dialog = m_dialog.data();
    if (dialog)
        release(dialog);
    if (scrollable) {
        m_scrollArea = new QScrollArea(this);
        m_scrollArea->setFrameShape(QFrame::NoFrame);
        m_scrollArea->setFrameShadow(QFrame::Plain);
        m_scrollArea->setWidgetResizable(true);
        m_layout->addWidget(m_scrollArea);
    } else {
        delete m_scrollArea;
        m_scrollArea = nullptr;
    }
    if (dialog)
        place(dialog);
}

void GuiMEDialogPanel::setCurrentDialog(QWidget* dialog)
{
    if (dialog == m_dialog.data())
        return;
    if (QWidget* old = m_dialog.data())
        release(old);
    m_dialog = dialog;
    if (dialog)
        place(dialog);
}

// A top-level dialog becomes a plain child so it draws inside the pane.
void GuiMEDialogPanel::place(QWidget* dialog)
{
    if (m_scrollArea) {
        dialog->setParent(m_scrollArea, Qt::Widget);
        m_scrollArea->setWidget(dialog);
    } else {
        dialog->setParent(this, Qt::Widget);
        m_layout->addWidget(dialog);
    }
    dialog->show();
}

// The dialog stays a hidden child of the pane until its proxy deletes it.
void GuiMEDialogPanel::release(QWidget* dialog)
{
    if (m_scrollArea && m_scrollArea->widget() == dialog)
        m_scrollArea->takeWidget();
    else
        m_layout->removeWidget(dialog);
    dialog->hide();
    dialog->setParent(this, Qt::Widget);
    dialog->hide();
}

bool GuiMEDialogPanel::isCurrentDialogVisible() const
{
    return m_dialog && m_dialog->isVisible();
}

bool GuiMEDialogPanel::isCurrentDialogDirty() const
{
    if (!m_dialog)
        return false;
    auto* bar = m_dialog->findChild<QWidget*>(QStringLiteral("button_bar"));
    auto* apply = bar ? bar->findChild<QWidget*>(QStringLiteral("Apply")) : nullptr;
    return apply && apply->isEnabled();
}
