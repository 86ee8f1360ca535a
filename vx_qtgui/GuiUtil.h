#pragma once

#include "vrix/DpiScaled.h"

#include <QKeySequence>
#include <QList>
#include <QString>

#include <string>

class QColor;
class QFontMetrics;
class QImage;
class QPainter;
class QPixmap;
class QRect;
class QShortcut;
class QWidget;

/// Helpers shared by the GUI-side widgets. GUI thread, except where a function says otherwise.
namespace GuiUtil {

// Sizes in device-independent units, display-scaled on first read.
extern const VRIX::DpiScaled<int> ME_ISIZE_WIDTH; // explorer window width
extern const VRIX::DpiScaled<int> ME_ISIZE_HEIGHT; // explorer window height
extern const VRIX::DpiScaled<int> ME_ISIZE_LISTWIDTH; // explorer list pane
extern const VRIX::DpiScaled<int> ME_MIN_LISTWIDTH; // its minimum width
extern const VRIX::DpiScaled<int> ME_MAX_COLWIDTH; // cap on a list column
extern const VRIX::DpiScaled<int> DEFAULT_ICON_WIDTH; // default icon edge

/// Whether red lies within 4 of both green and blue. Any thread.
bool isGrayscale(unsigned int rgb);
/// Whether every pixel is grey; an image without pixels is. Any thread.
bool isGrayscale(const QImage& image);
/// An opaque grey rendering for disabled-looking icons, clipped by a heuristic mask. Icons
/// that were grey already come out lighter.
QPixmap convertPixmapToGrayscale(const QPixmap& pixmap);

/// Zoom-in and zoom-out shortcuts on `w` (and its children) calling the given slots of `w`
/// ("zoomIn()", or as written by SLOT()). The keys follow the input method's language. A null
/// widget, or a slot that `w` does not have, gets no shortcuts for it.
QList<QShortcut*> createZoomShortCutList(QWidget* w, const char* zoomIn, const char* zoomOut);
/// The keys used above, for a Japanese keyboard layout or any other.
QList<QKeySequence> zoomKeySequences(bool zoomIn, bool japanese);

/// A rounded outline over `rect` in `color` at `opacity` (0..1).
void paintHighlight(QPainter* painter, const QRect& rect, const QColor& color, double opacity);
/// A translucent rounded glass background over the whole of `widget`: `base` at the edges,
/// `light` in the band across the middle; `lighter` paints the paler hover form.
void drawWidgetWithGlassEffect(QPainter* painter, const QWidget* widget, const QColor& base,
    const QColor& light, bool lighter);

/// "on" and "true" in any case, and "1".
bool isTrueStr(const QString& s);

/// The address as the standard stream writes it ("0x…"); names objects by address.
QString convertToQString(void* p);
/// From the local 8-bit encoding.
QString convertToQString(const std::string& s);
QString toQString(const std::u16string& s);
std::u16string toVXUString(const QString& s);

/// The width a list column needs for `text`, at most the scaled `ME_MAX_COLWIDTH`.
int getStandardColumnWidth(const QString& text, const QFontMetrics& fm);

/// Whether the host's path service takes `path` (local 8-bit encoding) as absolute.
bool isAbsoluteHostPath(const QString& path);
/// The installation root, "/" and `relative`: where the host's resource files live. Without an
/// installation root `relative` comes back unchanged.
QString installationPath(const QString& relative);

} // namespace GuiUtil
