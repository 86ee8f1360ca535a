#include "vrix/gui/ImageCompositorNode.h"

namespace VRIX::ImageCompositor {

Node::Node(const QString& key, const QImage& image)
    : m_key(key)
    , m_image(image)
{
}

const QPixmap& Node::doCreatePixmap()
{
    if (!m_image.isNull())
        m_pixmap = QPixmap::fromImage(m_image); // keeps the device pixel ratio
    return m_pixmap;
}

const QPixmap& Node::pixmap()
{
    if (m_pixmap.isNull() && !m_image.isNull())
        return doCreatePixmap();
    return m_pixmap;
}

void Node::releasePixmap() noexcept
{
    m_pixmap = QPixmap();
}

} // namespace VRIX::ImageCompositor
