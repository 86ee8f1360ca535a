#pragma once

#include "vrix/Holder.h"
#include "vrix/gui/ImageCompositorNode.h"

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <map>

class QColor;

namespace GuiUtil {

/// The process-wide picture table: every path or compositor key is loaded once and kept for
/// the life of the process. GUI thread only; no lock.
class GuiPixmapDB {
public:
    /// Where the default picture lives below the installation root.
    static const char* const DefaultPixmapPath;

    /// The picture for `path`: an encoded compositor key, an absolute path, or a path below
    /// the installation root. An empty path gives the default picture; a path that does not
    /// load gives a null pixmap.
    static QPixmap getPixmapFromPath(const QString& path);
    static QIcon getIconFromPath(const QString& path);
    /// The same with every pixel of `transparent` made transparent.
    static QIcon getIconFromPath(const QString& path, const QColor& transparent);
    static QPixmap getDefaultPixmap();
    /// Every pixel whose RGB value is `from` takes the RGB value of `to` (keeping its
    /// transparency); the result is clipped by a heuristic mask.
    static QPixmap convertPixmapColors(const QPixmap& pixmap, const QColor& from, const QColor& to);

    /// The table key for `path` (steps 1 to 3 of a look-up; nothing is loaded).
    static QString resolvePath(const QString& path);

private:
    using NodeHolder = VRIX::Holder<VRIX::ImageCompositor::Node>;

    static QPixmap pixmapOf(VRIX::ImageCompositor::Node* node);
    static void releasePixmaps();

    static std::map<QString, NodeHolder> m_PixmapTable;
    static bool m_releaseScheduled;
};

} // namespace GuiUtil
