#pragma once

#include <QColor>

/// Named colours and texts shared by every GUI source unit, defined once. Constants: any
/// thread.
namespace GuiConstants {

// Texts of boolean and check-state values shown and parsed by the widgets.
extern const char OnText[];
extern const char OffText[];
extern const char CheckedText[];
extern const char UncheckedText[];
extern const char PartialText[];

/// The toolkit's standard grey: disabled and read-only text.
extern const QColor StandardGrey;
/// The toolkit's standard blue: hyperlink cells.
extern const QColor StandardBlue;
/// Text of ordinary cells when no colour is given.
extern const QColor DefaultTextColor;
/// Faint text of read-only cells in spreadsheet mode.
extern const QColor FaintTextColor;
/// Frame of a row selected on the host's behalf.
extern const QColor FakeSelectionColor;
/// Background behind text that matches the filter.
extern const QColor FilterHighlightColor;
/// A hyperlink label at rest and under the mouse.
extern const QColor HyperlinkColor;
extern const QColor HyperlinkHoverColor;

} // namespace GuiConstants
