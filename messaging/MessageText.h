#pragma once

#include <QString>

#include <string>

// Conversions of message string arguments to Qt strings.

/// Hook for translating message texts; returns the text unchanged.
QString xlate_QT(const QString& text);

/// An 8-bit argument in the local encoding (null gives the empty string), passed through
/// xlate_QT when `translate` is set.
QString messageText(const char* text, bool translate = false);

/// A UTF-16 argument.
QString messageText(const std::u16string& text);
