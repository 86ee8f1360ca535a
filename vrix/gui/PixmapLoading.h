#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace VRIX {

/// The picture file at `path`. When `dpiScale()` is above 1 and a file of the same name with
/// "@2x" before the suffix exists ("icon.png" → "icon@2x.png"), that file is read instead and
/// the image gets a device pixel ratio of 2. A path whose file name already ends in "@2x" also
/// reads with ratio 2. Null when nothing loads or `path` is empty. Any thread.
QImage loadDpiScaledImage(const QString& path);

/// The same as a pixmap. GUI thread.
QPixmap loadDpiScaledPixmap(const QString& path);

/// The name of the high-density twin of `path`: "@2x" inserted before the suffix of the file
/// name (or appended when there is none).
QString highDensityPath(const QString& path);

} // namespace VRIX
