#pragma once
// Checks on the pictures the explorer's widget tests draw, and where they keep them.
#include <QDir>
#include <QImage>

namespace vxtest {

/// Dark enough to be text.
inline bool isText(QRgb p)
{
    return qGray(p) < 90;
}

/// The filter's yellow match highlight.
inline bool isHighlight(QRgb p)
{
    return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) < 40;
}

/// The pixels of `image` for which `kind` holds.
template <class Kind> int countPixels(const QImage& image, Kind kind)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += kind(image.pixel(x, y)) ? 1 : 0;
    return count;
}

/// Saves `image` as `name` in the directory VX_SCREENSHOT_DIR names, if it names one; false
/// only when saving failed.
inline bool keepScreenshot(const QImage& image, const char* name)
{
    const QString dir = qEnvironmentVariable("VX_SCREENSHOT_DIR");
    return dir.isEmpty() || image.save(QDir(dir).filePath(QLatin1String(name)));
}

} // namespace vxtest
