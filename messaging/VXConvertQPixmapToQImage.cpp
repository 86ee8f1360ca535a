#include "messaging/VXConvertQPixmapToQImage.h"

#include "messaging/QtBridge.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "messaging/VXGuiThread.h"

void VXConvertQPixmapToQImage(const QPixmap& source, QImage& destination)
{
    VXGuiThread* thread = QtBridge::m_thread;
    if (!thread)
        return;
    auto* msg = new QtConvertQPixmapToQImage(nullptr, ConvertQPixmapToQImageMsg);
    msg->m_pixmap = &source;
    msg->m_image = &destination;
    const QtMessageHolder held(msg);
    thread->sendMessage(held, nullptr);
}
