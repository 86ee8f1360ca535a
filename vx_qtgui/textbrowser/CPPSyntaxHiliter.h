#pragma once

#include <QColor>
#include <QFont>
#include <QSyntaxHighlighter>

class CPPSyntaxKeywords;
class QTextEdit;

/// Colours C source line by line: block comments green, directives and keywords blue, the rest
/// black, in Courier. Owned by the edit it is attached to. GUI thread.
class CPPSyntaxHiliter : public QSyntaxHighlighter {
public:
    // Block states: the line ends inside a block comment, or it does not.
    enum BlockState { OutsideComment = 0, InsideComment = 1 };

    /// Attaches to `edit`'s document and gives `edit` the Courier font; a null edit leaves the
    /// highlighter detached.
    explicit CPPSyntaxHiliter(QTextEdit* edit);

    const CPPSyntaxKeywords& keywords() const { return m_keywords; }

protected:
    void highlightBlock(const QString& text) override;

private:
    Q_DISABLE_COPY(CPPSyntaxHiliter)

    void colourKeywords(const QString& text);

    const CPPSyntaxKeywords& m_keywords;
    QFont m_font;
    QColor m_plainColor;
    QColor m_keywordColor;
    QColor m_commentColor;
};
