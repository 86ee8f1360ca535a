#pragma once

#include "vxqtgui_export.h"

#include <QString>

#include <string>

// Conversions of message string arguments to Qt strings.

/// Hook for translating message texts; returns the text unchanged.
VXQTGUI_EXPORT QString xlate_QT(const QString& text);

/// An 8-bit argument in the local encoding (null gives the empty string), passed through
/// xlate_QT when `translate` is set.
VXQTGUI_EXPORT QString messageText(const char* text, bool translate = false);

/// A UTF-16 argument.
VXQTGUI_EXPORT QString messageText(const std::u16string& text);
