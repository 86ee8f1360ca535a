#include "messaging/QtConvertQPixmapToQImage.h"

#include <QImage>

QtConvertQPixmapToQImage::QtConvertQPixmapToQImage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtConvertQPixmapToQImage::~QtConvertQPixmapToQImage() = default;

void QtConvertQPixmapToQImage::setImage(QImage& image)
{
    if (m_image)
        *m_image = image;
}
