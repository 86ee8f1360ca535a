#include "vx_qtgui/textbrowser/CPPSyntaxHiliter.h"

#include "vx_qtgui/textbrowser/CPPSyntaxKeywords.h"

#include <QTextEdit>

namespace {

// Length of "*/".
constexpr int CommentEndLength = 2;

} // namespace

// The QObject constructor attaches to a QTextEdit's document and accepts null.
CPPSyntaxHiliter::CPPSyntaxHiliter(QTextEdit* edit)
    : QSyntaxHighlighter(static_cast<QObject*>(edit))
    , m_keywords(CPPSyntaxKeywords::getInstance())
    , m_font(QStringLiteral("Courier"))
    , m_plainColor(0, 0, 0)
    , m_keywordColor(0, 0, 255)
    , m_commentColor(0, 128, 0)
{
    if (edit)
        edit->setFont(m_font);
}

void CPPSyntaxHiliter::highlightBlock(const QString& text)
{
    const int length = text.length();
    setFormat(0, length, m_plainColor);
    setCurrentBlockState(OutsideComment);

    const int start = m_keywords.commentStart().indexIn(text);
    const int end = m_keywords.commentEnd().lastIndexIn(text);

    if (start < 0) {
        // Qt's initial state -1 counts as outside.
        if (previousBlockState() == InsideComment) {
            if (end < 0) {
                setFormat(0, length, m_commentColor);
                setCurrentBlockState(InsideComment);
            } else {
                setFormat(0, end + CommentEndLength, m_commentColor);
            }
            return;
        }
    } else if (end >= start + CommentEndLength) {
        // "/*/" opens a comment without closing it, hence the end must not overlap the start.
        setFormat(start, end + CommentEndLength - start, m_commentColor);
    } else {
        setFormat(start, length - start, m_commentColor);
        setCurrentBlockState(InsideComment);
    }

    colourKeywords(text);
}

void CPPSyntaxHiliter::colourKeywords(const QString& text)
{
    for (const QRegExp& pattern : m_keywords.firstGroup()) {
        const int at = pattern.indexIn(text);
        if (at >= 0) {
            setFormat(at, pattern.matchedLength(), m_keywordColor);
            return;
        }
    }
    for (const QRegExp& pattern : m_keywords.secondGroup()) {
        int from = 0;
        int at;
        while ((at = pattern.indexIn(text, from)) >= 0) {
            const int matched = pattern.matchedLength();
            setFormat(at, matched, m_keywordColor);
            from = at + qMax(matched, 1);
        }
    }
}
