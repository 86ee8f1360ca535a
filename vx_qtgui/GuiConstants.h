#pragma once

#include "vxqtgui_export.h"

#include <QColor>

/// Named colours and texts shared by every GUI source unit, defined once. Constants: any
/// thread.
namespace GuiConstants {

// Texts of boolean and check-state values shown and parsed by the widgets.
extern VXQTGUI_EXPORT const char OnText[];
extern VXQTGUI_EXPORT const char OffText[];
extern VXQTGUI_EXPORT const char CheckedText[];
extern VXQTGUI_EXPORT const char UncheckedText[];
extern VXQTGUI_EXPORT const char PartialText[];

/// The toolkit's standard grey: disabled and read-only text.
extern VXQTGUI_EXPORT const QColor StandardGrey;
/// The toolkit's standard blue: hyperlink cells.
extern VXQTGUI_EXPORT const QColor StandardBlue;
/// Text of ordinary cells when no colour is given.
extern VXQTGUI_EXPORT const QColor DefaultTextColor;
/// Faint text of read-only cells in spreadsheet mode.
extern VXQTGUI_EXPORT const QColor FaintTextColor;
/// Frame of a row selected on the host's behalf.
extern VXQTGUI_EXPORT const QColor FakeSelectionColor;
/// Background behind text that matches the filter.
extern VXQTGUI_EXPORT const QColor FilterHighlightColor;
/// A hyperlink label at rest and under the mouse.
extern VXQTGUI_EXPORT const QColor HyperlinkColor;
extern VXQTGUI_EXPORT const QColor HyperlinkHoverColor;

} // namespace GuiConstants
