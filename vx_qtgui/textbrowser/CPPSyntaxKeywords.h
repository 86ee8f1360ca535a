#pragma once

#include <QRegExp>
#include <QStringList>
#include <QVector>

/// The process-wide table of C keyword and comment patterns shared by every CPPSyntaxHiliter.
/// GUI thread: QRegExp keeps its last match inside the object, even through const calls.
class CPPSyntaxKeywords {
public:
    /// The one table, built on first use.
    static const CPPSyntaxKeywords& getInstance();

    /// Appends a case-sensitive pattern for each word in order; with `wholeWord` each is
    /// wrapped in word boundaries.
    static void addKeywords(const QStringList& words, QVector<QRegExp>& group, bool wholeWord);

    /// Preprocessor directives then statement keywords; the first one found wins.
    const QVector<QRegExp>& firstGroup() const { return m_firstGroup; }
    /// Declaration keywords, all coloured, used only when nothing in the first group matched.
    const QVector<QRegExp>& secondGroup() const { return m_secondGroup; }
    const QRegExp& commentStart() const { return m_commentStart; }
    const QRegExp& commentEnd() const { return m_commentEnd; }

private:
    CPPSyntaxKeywords();
    Q_DISABLE_COPY(CPPSyntaxKeywords)

    QVector<QRegExp> m_firstGroup;
    QVector<QRegExp> m_secondGroup;
    QRegExp m_commentStart;
    QRegExp m_commentEnd;
};
