#include "vx_qtgui/GuiPixmapDB.h"

#include "vrix/gui/ImageCompositor.h"
#include "vrix/gui/ImageCompositorManager.h"
#include "vx_qtgui/GuiUtil.h"

#include <QBitmap>
#include <QColor>
#include <QCoreApplication>
#include <QImage>

namespace GuiUtil {

const char* const GuiPixmapDB::DefaultPixmapPath = "toolbox/shared/orvidesk/resources/Default.png";

std::map<QString, GuiPixmapDB::NodeHolder> GuiPixmapDB::m_PixmapTable;
bool GuiPixmapDB::m_releaseScheduled = false;

QString GuiPixmapDB::resolvePath(const QString& path)
{
    const QString wanted = path.isEmpty() ? QString::fromLatin1(DefaultPixmapPath) : path;
    if (VRIX::ImageCompositor::isEncodedKey(wanted) || isAbsoluteHostPath(wanted))
        return wanted;
    return installationPath(wanted);
}

QPixmap GuiPixmapDB::pixmapOf(VRIX::ImageCompositor::Node* node)
{
    if (!node)
        return QPixmap();
    if (node->hasPixmap())
        return node->cachedPixmap();
    if (node->hasImageData())
        return node->doCreatePixmap();
    return QPixmap();
}

// Pixmaps must not outlive the application object; the entries and their image data stay.
void GuiPixmapDB::releasePixmaps()
{
    for (auto& entry : m_PixmapTable) {
        if (entry.second)
            entry.second->releasePixmap();
    }
    m_releaseScheduled = false;
}

QPixmap GuiPixmapDB::getPixmapFromPath(const QString& path)
{
    const QString key = resolvePath(path);
    auto found = m_PixmapTable.find(key);
    if (found == m_PixmapTable.end()) {
        NodeHolder node = VRIX::ImageCompositor::Manager::instance().getImage(
            VRIX::ImageCompositor::buildKey(key, true, false));
        found = m_PixmapTable.emplace(key, std::move(node)).first;
    }
    if (!m_releaseScheduled && QCoreApplication::instance()) {
        qAddPostRoutine(&GuiPixmapDB::releasePixmaps);
        m_releaseScheduled = true;
    }
    return pixmapOf(found->second.get());
}

QIcon GuiPixmapDB::getIconFromPath(const QString& path)
{
    return QIcon(getPixmapFromPath(path));
}

QIcon GuiPixmapDB::getIconFromPath(const QString& path, const QColor& transparent)
{
    QPixmap pixmap = getPixmapFromPath(path);
    if (pixmap.isNull())
        return QIcon();
    pixmap.setMask(pixmap.createMaskFromColor(transparent, Qt::MaskInColor));
    return QIcon(pixmap);
}

QPixmap GuiPixmapDB::getDefaultPixmap()
{
    return getPixmapFromPath(QString::fromLatin1(DefaultPixmapPath));
}

QPixmap GuiPixmapDB::convertPixmapColors(
    const QPixmap& pixmap, const QColor& from, const QColor& to)
{
    if (pixmap.isNull())
        return QPixmap();
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QRgb fromRgb = from.rgb() & RGB_MASK;
    const QRgb toRgb = to.rgb() & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & RGB_MASK) == fromRgb)
                line[x] = (line[x] & ~RGB_MASK) | toRgb;
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    result.setMask(result.createHeuristicMask(true));
    return result;
}

} // namespace GuiUtil
