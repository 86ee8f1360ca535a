#include "vrix/gui/ImageCompositorManager.h"

#include "vrix/gui/ImageCompositor.h"
#include "vrix/gui/PixmapLoading.h"

#include <QPainter>

namespace VRIX::ImageCompositor {

namespace {

// Grey tones by luminance; transparency is kept so that icons keep their outline.
void makeGrey(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            // Premultiplied: the grey of the premultiplied channels is already premultiplied.
            const int grey = qMin(qGray(pixel), alpha);
            line[x] = qRgba(grey, grey, grey, alpha);
        }
    }
}

QImage compose(const QList<QImage>& layers)
{
    if (layers.size() == 1)
        return layers.first();
    const QImage& base = layers.first();
    QImage result = base.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QSizeF logical = QSizeF(result.size()) / result.devicePixelRatio();
    QPainter painter(&result);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 1; i < layers.size(); ++i)
        painter.drawImage(QRectF(QPointF(0, 0), logical), layers.at(i));
    painter.end();
    return result;
}

} // namespace

Manager& Manager::instance()
{
    static Manager manager;
    return manager;
}

QImage Manager::loadLayer(const QString& path, bool dpiAware)
{
    m_layerLoads.fetch_add(1, std::memory_order_relaxed);
    if (dpiAware)
        return loadDpiScaledImage(path);
    return path.isEmpty() ? QImage() : QImage(path);
}

Holder<Node> Manager::getImage(const QString& key)
{
    Key decoded;
    if (!decodeKey(key, decoded)) {
        decoded.layers = QStringList { key };
        decoded.dpiAware = true;
    }
    QList<QImage> layers;
    for (const QString& path : decoded.layers) {
        QImage layer = loadLayer(path, decoded.dpiAware);
        if (!layer.isNull())
            layers.append(layer);
    }
    QImage image;
    if (!layers.isEmpty()) {
        image = compose(layers);
        if (decoded.grey) {
            image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
            makeGrey(image);
        }
    }
    return Holder<Node>(new Node(key, image));
}

} // namespace VRIX::ImageCompositor
