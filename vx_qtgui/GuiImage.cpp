#include "vx_qtgui/GuiImage.h"

#include "messaging/QtStringMessage.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QMouseEvent>

#include <cmath>

GuiImage::GuiImage(void* key, QWidget* parent, const QByteArray& name, const QByteArray& path)
    : QLabel(parent)
    , GuiWidget(key)
{
    loadPicture(QString::fromLocal8Bit(path));
    GuiApplication::putWidget(key, this);
}

void GuiImage::loadPicture(const QString& path)
{
    const QPixmap pixmap = VRIX::loadDpiScaledPixmap(path);
    setPixmap(pixmap);
    const qreal ratio = pixmap.isNull() ? 1.0 : pixmap.devicePixelRatio();
    setFixedSize(
        int(std::lround(pixmap.width() / ratio)), int(std::lround(pixmap.height() / ratio)));
}

void GuiImage::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->pos()))
        GuiCommonMessages::postEvent(m_peerKey, IMGClickedEvent);
}

void GuiImage::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case IMGCreateMsg:
        return;
    case IMGClickMsg:
        GuiCommonMessages::postEvent(m_peerKey, IMGClickedEvent);
        return;
    case IMGSetFilePathMsg:
        if (auto* path = dynamic_cast<QtStringMessage*>(msg))
            loadPicture(path->m_string);
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Image, this, this, type, msg);
}
