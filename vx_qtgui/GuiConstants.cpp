#include "vx_qtgui/GuiConstants.h"

// QColor's component constructor is constexpr: these are constant-initialised, so no static
// initialiser elsewhere can see them unset.
namespace GuiConstants {

const char OnText[] = "on";
const char OffText[] = "off";
const char CheckedText[] = "checked";
const char UncheckedText[] = "unchecked";
const char PartialText[] = "partial";

const QColor StandardGrey(128, 128, 128);
const QColor StandardBlue(0, 0, 255);
const QColor DefaultTextColor(63, 63, 63);
const QColor FaintTextColor(63, 63, 63, 90);
const QColor FakeSelectionColor(18, 173, 252);
const QColor FilterHighlightColor(255, 255, 0);
const QColor HyperlinkColor(0, 0, 128); // Qt::darkBlue
const QColor HyperlinkHoverColor(0, 0, 255); // Qt::blue

} // namespace GuiConstants
