#pragma once

#include "messaging/QtMessage.h"

class QImage;
class QPixmap;

/// Message payload: the source pixmap and the destination image of a conversion run on the GUI
/// thread.
class QtConvertQPixmapToQImage : public QtMessage {
public:
    QtConvertQPixmapToQImage(void* target, VXMessageType id);
    ~QtConvertQPixmapToQImage() override;

    /// Assigns `image` to the destination, when there is one.
    void setImage(QImage& image);

    const QPixmap* m_pixmap = nullptr;
    QImage* m_image = nullptr;

private:
    Q_DISABLE_COPY(QtConvertQPixmapToQImage)
};
