#pragma once

class QImage;
class QPixmap;

/// Engine thread: converts `source` into `destination` on the GUI thread and returns when done.
/// Without a GUI thread `destination` is left as it is.
void VXConvertQPixmapToQImage(const QPixmap& source, QImage& destination);
