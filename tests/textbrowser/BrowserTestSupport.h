#pragma once

#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

namespace vxtest {

/// GUI thread: clicks the first anchor of `view` whose target is `href`, as a user would.
/// False when the page has no such link.
inline bool clickLink(QTextBrowser* view, const QString& href)
{
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(view->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                view->cursorRect(cursor).center());
            return true;
        }
    }
    return false;
}

} // namespace vxtest
