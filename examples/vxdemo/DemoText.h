#pragma once

#include <string>

/// Text helpers for what the demo prints.
namespace demotext {

/// UTF-16 to UTF-8; unpaired surrogates become U+FFFD.
std::string utf8(const std::u16string& text);
/// `text` in double quotes, with quotes, backslashes and newlines escaped.
std::string quoted(const std::string& text);
std::string quoted(const std::u16string& text);
std::string onOff(bool value);
/// "red green blue" as whole 0..255 components, or "unknown" when the colour was not read.
std::string color(bool known, double red, double green, double blue);

} // namespace demotext
