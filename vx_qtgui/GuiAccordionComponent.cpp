#include "vx_qtgui/GuiAccordionComponent.h"

#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiAccordion.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/GuiUtil.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QSpacerItem>

#include <algorithm>
#include <cmath>

GuiAccordionComponent::GuiAccordionComponent(GuiAccordion* accordion, const QString& id,
    const QString& label, const QString& iconPath, const QString& fourth, const QString& statusTip)
    : QFrame(accordion)
    , m_accordion(accordion)
    , m_id(id)
    , m_label(label)
    , m_iconPath(iconPath)
    , m_fourth(fourth)
    , m_base(palette().color(QPalette::Active, QPalette::Button))
    , m_light(palette().color(QPalette::Active, QPalette::Light))
{
    setAutoFillBackground(true);
    installEventFilter(this);
    setToolTip(label);
    setStatusTip(statusTip);
    m_pixmap = GuiUtil::GuiPixmapDB::getPixmapFromPath(iconPath);
}

GuiAccordionComponent::GuiAccordionComponent(GuiAccordion* accordion)
    : QFrame(accordion)
    , m_accordion(accordion)
    , m_base(palette().color(QPalette::Active, QPalette::Button))
    , m_light(palette().color(QPalette::Active, QPalette::Light))
{
    const int height = fontMetrics().height() + VRIX::toDpiScaled(12);
    m_sizeHint = QSize(0, height);
    m_iconLayout = new QHBoxLayout(this);
    m_iconLayout->setContentsMargins(2, 2, 2, 2);
    m_iconLayout->setSpacing(2);
    // Keeps the row as high as a bar even while it holds no icon.
    m_iconLayout->addItem(new QSpacerItem(0, height, QSizePolicy::Fixed, QSizePolicy::Fixed));
    m_iconLayout->addStretch();
}

QSize GuiAccordionComponent::pixmapSize() const
{
    if (m_pixmap.isNull())
        return QSize();
    const double ratio = m_pixmap.devicePixelRatio() > 0 ? m_pixmap.devicePixelRatio() : 1.0;
    return QSize(
        int(std::lround(m_pixmap.width() / ratio)), int(std::lround(m_pixmap.height() / ratio)));
}

void GuiAccordionComponent::show()
{
    QFrame::setVisible(true);
    emit visibilityChanged(true);
}

void GuiAccordionComponent::hide()
{
    QFrame::setVisible(false);
    emit visibilityChanged(false);
}

void GuiAccordionComponent::setSelected(bool selected)
{
    const bool changed = m_selected != selected;
    m_selected = selected;
    if (changed)
        update();
    emit selectionChanged(selected);
}

QSize GuiAccordionComponent::sizeHint() const
{
    return m_sizeHint.isValid() ? m_sizeHint : QFrame::sizeHint();
}

QSize GuiAccordionComponent::minimumSizeHint() const
{
    return m_sizeHint;
}

void GuiAccordionComponent::slotComponentSelected()
{
    if (m_accordion)
        m_accordion->setSelected(*this, true);
}

bool GuiAccordionComponent::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && m_accordion) {
                m_accordion->setSelected(*this, true);
                repaint();
            }
            break;
        case QEvent::Enter:
            m_hover = true;
            repaint();
            break;
        case QEvent::Leave:
            m_hover = false;
            repaint();
            break;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void GuiAccordionComponent::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_iconLayout)
        return;
    QPainter painter(this);
    drawComponent(&painter);
}

void GuiAccordionComponent::drawComponent(QPainter* painter)
{
    if (!painter || !painter->isActive())
        return;
    painter->setRenderHint(QPainter::Antialiasing);
    if (m_selected || m_hover)
        GuiUtil::drawWidgetWithGlassEffect(painter, this, m_base, m_light, !m_selected);
    const QRect area = rect();
    int x = VRIX::toDpiScaled(2);
    const QSize icon = pixmapSize();
    if (!icon.isEmpty()) {
        painter->drawPixmap(
            QRect(QPoint(x, area.top() + (area.height() - icon.height()) / 2), icon), m_pixmap);
        x += icon.width() + VRIX::toDpiScaled(4);
    } else {
        x += VRIX::toDpiScaled(4);
    }
    const int available = area.right() - x;
    if (available <= 0 || m_label.isEmpty())
        return;
    painter->setPen(Qt::black);
    painter->setFont(font());
    const QString text = fontMetrics().elidedText(m_label, Qt::ElideRight, available);
    painter->drawText(
        QRect(x, area.top(), available, area.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
}
