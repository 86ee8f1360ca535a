#include "vx_qtgui/HoverButton.h"

#include "vx_qtgui/GuiUtil.h"

#include <QIcon>

HoverButton::HoverButton(QWidget* parent, const QString& name)
    : QPushButton(parent)
{
    setObjectName(name);
    setFlat(true);
}

void HoverButton::setOnImage(const QString& path)
{
    m_on = QPixmap(GuiUtil::installationPath(path));
}

void HoverButton::setOffImage(const QString& path)
{
    m_off = QPixmap(GuiUtil::installationPath(path));
}

void HoverButton::showImage(const QPixmap& image)
{
    setIcon(QIcon(image));
    setIconSize(image.size());
}

void HoverButton::enterEvent(QEvent* event)
{
    if (!m_on.isNull() && !isCheckable())
        showImage(m_on);
    QPushButton::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event)
{
    if (!m_off.isNull() && !isCheckable())
        showImage(m_off);
    QPushButton::leaveEvent(event);
}

void HoverButton::mouseReleaseEvent(QMouseEvent* event)
{
    showImage(isCheckable() && isChecked() ? m_on : m_off);
    QPushButton::mouseReleaseEvent(event);
}
