#include "vrix/gui/PixmapLoading.h"

#include "vrix/DpiScaling.h"

#include <QFileInfo>

namespace VRIX {

namespace {

const QLatin1String kHighDensityTag("@2x");
constexpr qreal kHighDensityRatio = 2.0;

QImage readImage(const QString& path)
{
    // QImage prints nothing for a missing file, but an empty name is not worth the look-up.
    if (path.isEmpty())
        return QImage();
    return QImage(path);
}

} // namespace

QString highDensityPath(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    // A dot at the start of the file name (".hidden") is not a suffix separator.
    if (dot > slash + 1)
        return path.left(dot) + kHighDensityTag + path.mid(dot);
    return path + kHighDensityTag;
}

QImage loadDpiScaledImage(const QString& path)
{
    if (path.isEmpty())
        return QImage();
    if (QFileInfo(path).completeBaseName().endsWith(kHighDensityTag)) {
        QImage image = readImage(path);
        if (!image.isNull())
            image.setDevicePixelRatio(kHighDensityRatio);
        return image;
    }
    if (dpiScale() > 1.0) {
        QImage image = readImage(highDensityPath(path));
        if (!image.isNull()) {
            image.setDevicePixelRatio(kHighDensityRatio);
            return image;
        }
    }
    return readImage(path);
}

QPixmap loadDpiScaledPixmap(const QString& path)
{
    const QImage image = loadDpiScaledImage(path);
    if (image.isNull())
        return QPixmap();
    return QPixmap::fromImage(image);
}

} // namespace VRIX
