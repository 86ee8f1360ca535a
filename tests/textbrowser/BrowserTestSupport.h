#pragma once

#include <QString>

class QTextBrowser;

namespace vxtest {

/// GUI thread: clicks the first anchor of `view` whose target is `href`, as a user would.
/// False when the page has no such link.
bool clickLink(QTextBrowser* view, const QString& href);

} // namespace vxtest
