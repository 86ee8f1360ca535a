#include "vx_qtgui/GuiHyperLink.h"

#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QMouseEvent>

GuiHyperLink::GuiHyperLink(void* key, QWidget* parent, const QString& name, const QString& text)
    : QLabel(parent)
    , GuiWidget(key)
{
    setupHyperLink(text);
    GuiApplication::putWidget(key, this);
}

void GuiHyperLink::setupHyperLink(const QString& text)
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setLinkColor(Qt::darkBlue);
}

void GuiHyperLink::setLinkColor(const QColor& color)
{
    QPalette palette = this->palette();
    for (auto group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setColor(group, foregroundRole(), color);
    setPalette(palette);
}

void GuiHyperLink::enterEvent(QEvent* e)
{
    QLabel::enterEvent(e);
    setLinkColor(Qt::blue);
}

void GuiHyperLink::leaveEvent(QEvent* e)
{
    QLabel::leaveEvent(e);
    setLinkColor(Qt::darkBlue);
}

void GuiHyperLink::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->pos()))
        GuiCommonMessages::postEvent(m_peerKey, HYPClickedEvent);
}

void GuiHyperLink::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case HYPCreateMsg:
        return;
    case HYPClickMsg:
        GuiCommonMessages::postEvent(m_peerKey, HYPClickedEvent);
        return;
    case HYPSetURLMsg:
        if (auto* url = dynamic_cast<QtStringMessage*>(msg))
            setText(url->m_string);
        return;
    case HYPGetURLMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, text()));
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::HyperLink, this, this, type, msg);
}
