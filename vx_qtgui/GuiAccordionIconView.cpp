#include "vx_qtgui/GuiAccordionIconView.h"

#include "vx_qtgui/GuiAccordionComponent.h"
#include "vx_qtgui/GuiUtil.h"

#include <QPainter>

GuiAccordionIconView::GuiAccordionIconView(GuiAccordionComponent* component, QWidget* parent)
    : QToolButton(parent)
    , m_component(component)
{
    setCheckable(true);
    setAutoRaise(true);
    setAttribute(Qt::WA_Hover);
    if (component) {
        setToolTip(component->label());
        setStatusTip(component->statusTip());
    }
}

QSize GuiAccordionIconView::sizeHint() const
{
    const QSize icon = m_component ? m_component->pixmapSize() : QSize();
    if (icon.isEmpty())
        return QToolButton::sizeHint();
    return icon + QSize(6, 6);
}

void GuiAccordionIconView::slotComponentVisibilityChanged(bool visible)
{
    setVisible(!visible);
}

void GuiAccordionIconView::slotComponentSelectionChanged(bool selected)
{
    setChecked(selected);
}

void GuiAccordionIconView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_component)
        return;
    if (isChecked() || underMouse())
        GuiUtil::drawWidgetWithGlassEffect(
            &painter, this, m_component->glassBase(), m_component->glassLight(), !isChecked());
    const QSize icon = m_component->pixmapSize();
    if (icon.isEmpty())
        return;
    const QRect target(QPoint((width() - icon.width()) / 2, (height() - icon.height()) / 2), icon);
    painter.drawPixmap(target, m_component->pixmap());
}
