#pragma once

#include "vrix/AtomicCounter.h"
#include "vrix/ReferencedTemplate.h"

#include <QImage>
#include <QPixmap>
#include <QString>

namespace VRIX::ImageCompositor {

/// One composed picture: the image data, made on any thread, and the pixmap made from it on
/// first use. Shared through `VRIX::Holder`. The image data never changes after construction
/// and may be read from any thread; the pixmap belongs to the GUI thread.
class Node : public ReferencedTemplate<AtomicCounter> {
public:
    /// `image` may be null: the key named nothing that could be loaded.
    Node(const QString& key, const QImage& image);

    const QString& key() const noexcept { return m_key; }

    bool hasImageData() const noexcept { return !m_image.isNull(); }
    const QImage& image() const noexcept { return m_image; }

    /// Whether the pixmap has been made (and not released since).
    bool hasPixmap() const noexcept { return !m_pixmap.isNull(); }
    /// The cached pixmap; null until made.
    const QPixmap& cachedPixmap() const noexcept { return m_pixmap; }

    /// Makes the pixmap from the image data and caches it; returns the cached pixmap (null
    /// when there is no image data). GUI thread.
    virtual const QPixmap& doCreatePixmap();
    /// The cached pixmap, made first when needed. GUI thread.
    const QPixmap& pixmap();
    /// Drops the pixmap but keeps the image data, so it can be made again. GUI thread; used
    /// before the GUI goes away, as pixmaps must not outlive it.
    void releasePixmap() noexcept;

protected:
    ~Node() override = default;

private:
    const QString m_key;
    const QImage m_image;
    QPixmap m_pixmap;
};

} // namespace VRIX::ImageCompositor
