#pragma once

#include <QString>

#include <ostream>

/// Lets failing comparisons of QString print the text (found by argument-dependent look-up).
void PrintTo(const QString& text, std::ostream* out);
