#pragma once

#include <QString>

#include <string>

class QTextBrowser;

namespace vxtest {

/// GUI thread: clicks the first anchor of `view` whose target is `href`, as a user would.
/// False when the page has no such link.
bool clickLink(QTextBrowser* view, const QString& href);

/// A UTF-16 copy of a Qt string.
std::u16string u16(const QString& text);

} // namespace vxtest
