#include "messaging/VXConvertQPixmapToQImage.h"

#include "messaging/QtBridge.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "vx_qtgui/GuiThread.h"

void VXConvertQPixmapToQImage(const QPixmap& source, QImage& destination)
{
    GuiThread* thread = QtBridge::m_thread;
    if (!thread)
        return;
    auto* msg = new QtConvertQPixmapToQImage(nullptr, ConvertQPixmapToQImageMsg);
    msg->m_pixmap = &source;
    msg->m_image = &destination;
    const QtMessageHolder held(msg);
    thread->sendMessage(held, nullptr);
}
