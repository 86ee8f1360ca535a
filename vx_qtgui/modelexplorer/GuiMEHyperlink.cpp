#include "vx_qtgui/modelexplorer/GuiMEHyperlink.h"

#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

GuiMEHyperlink::GuiMEHyperlink(GuiModelExplorer* explorer, QWidget* parent)
    : QLabel(parent)
    , m_explorer(explorer)
{
    setObjectName(QStringLiteral("contentsOfLink"));
    setHyperlink(nullptr, QString(), false);
}

void GuiMEHyperlink::setHyperlink(UDInterface* object, const QString& text, bool enabled)
{
    m_object = object;
    m_enabled = enabled;
    m_text = text.isEmpty() ? QStringLiteral(" ") : text;
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText,
        enabled ? colors.color(QPalette::Active, QPalette::Link) : QColor(Qt::black));
    setPalette(colors);
    setCursor(enabled ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setText(m_text);
    update();
}

// Long object paths are cut at the right so the filter field keeps its room.
void GuiMEHyperlink::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const QString shown = fontMetrics().elidedText(m_text, Qt::ElideRight, area.width());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, int(alignment()), shown);
}

void GuiMEHyperlink::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && m_enabled && m_object && m_explorer
        && rect().contains(event->pos()))
        m_explorer->notifyViewHyperlink(m_object);
}

QSize GuiMEHyperlink::minimumSizeHint() const
{
    // Elided when painted: the label may shrink to a few characters.
    const QSize hint = QLabel::minimumSizeHint();
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("...")), hint.height());
}
