#include "tests/textbrowser/BrowserTestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>

namespace vxtest {

bool clickLink(QTextBrowser* view, const QString& href)
{
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href)
                continue;
            QTextCursor cursor(view->document());
            cursor.setPosition(fragment.position() + fragment.length() / 2);
            const QPoint point = view->cursorRect(cursor).center();
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, point);
            return true;
        }
    }
    return false;
}

} // namespace vxtest
