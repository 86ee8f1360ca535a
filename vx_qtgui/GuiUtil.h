#pragma once

#include "vrix/DpiScaled.h"
#include "vxqtgui_export.h"

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
extern VXQTGUI_EXPORT const VRIX::DpiScaled<int> ME_ISIZE_WIDTH; // explorer window width
extern VXQTGUI_EXPORT const VRIX::DpiScaled<int> ME_ISIZE_HEIGHT; // explorer window height
extern VXQTGUI_EXPORT const VRIX::DpiScaled<int> ME_ISIZE_LISTWIDTH; // explorer list pane
extern VXQTGUI_EXPORT const VRIX::DpiScaled<int> ME_MIN_LISTWIDTH; // its minimum width
extern VXQTGUI_EXPORT const VRIX::DpiScaled<int> ME_MAX_COLWIDTH; // cap on a list column
extern VXQTGUI_EXPORT const VRIX::DpiScaled<int> DEFAULT_ICON_WIDTH; // default icon edge

/// Whether red lies within 4 of both green and blue. Any thread.
VXQTGUI_EXPORT bool isGrayscale(unsigned int rgb);
/// Whether every pixel is grey; an image without pixels is. Any thread.
VXQTGUI_EXPORT bool isGrayscale(const QImage& image);
/// An opaque grey rendering for disabled-looking icons, clipped by a heuristic mask. Icons
/// that were grey already come out lighter.
VXQTGUI_EXPORT QPixmap convertPixmapToGrayscale(const QPixmap& pixmap);

/// Zoom-in and zoom-out shortcuts on `w` (and its children) calling the given slots of `w`
/// ("zoomIn()", or as written by SLOT()). The keys follow the input method's language. A null
/// widget, or a slot that `w` does not have, gets no shortcuts for it.
VXQTGUI_EXPORT QList<QShortcut*> createZoomShortCutList(
    QWidget* w, const char* zoomIn, const char* zoomOut);
/// The keys used above, for a Japanese keyboard layout or any other.
VXQTGUI_EXPORT QList<QKeySequence> zoomKeySequences(bool zoomIn, bool japanese);

/// A rounded outline over `rect` in `color` at `opacity` (0..1).
VXQTGUI_EXPORT void paintHighlight(
    QPainter* painter, const QRect& rect, const QColor& color, double opacity);
/// A translucent rounded glass background over the whole of `widget`: `base` at the edges,
/// `light` in the band across the middle; `lighter` paints the paler hover form.
VXQTGUI_EXPORT void drawWidgetWithGlassEffect(QPainter* painter, const QWidget* widget,
    const QColor& base, const QColor& light, bool lighter);

/// "on" and "true" in any case, and "1".
VXQTGUI_EXPORT bool isTrueStr(const QString& s);

/// The address as the standard stream writes it ("0x…"); names objects by address.
VXQTGUI_EXPORT QString convertToQString(void* p);
/// From the local 8-bit encoding.
VXQTGUI_EXPORT QString convertToQString(const std::string& s);
VXQTGUI_EXPORT QString toQString(const std::u16string& s);
VXQTGUI_EXPORT std::u16string toVXUString(const QString& s);

/// The width a list column needs for `text`, at most the scaled `ME_MAX_COLWIDTH`.
VXQTGUI_EXPORT int getStandardColumnWidth(const QString& text, const QFontMetrics& fm);

/// Whether the host's path service takes `path` (local 8-bit encoding) as absolute.
VXQTGUI_EXPORT bool isAbsoluteHostPath(const QString& path);
/// The installation root, "/" and `relative`: where the host's resource files live. Without an
/// installation root `relative` comes back unchanged.
VXQTGUI_EXPORT QString installationPath(const QString& relative);

} // namespace GuiUtil
