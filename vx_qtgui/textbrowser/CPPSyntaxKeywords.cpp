#include "vx_qtgui/textbrowser/CPPSyntaxKeywords.h"

const CPPSyntaxKeywords& CPPSyntaxKeywords::getInstance()
{
    static const CPPSyntaxKeywords instance;
    return instance;
}

void CPPSyntaxKeywords::addKeywords(
    const QStringList& words, QVector<QRegExp>& group, bool wholeWord)
{
    for (const QString& word : words) {
        const QString pattern
            = wholeWord ? QStringLiteral("\\b") + word + QStringLiteral("\\b") : word;
        group.append(QRegExp(pattern, Qt::CaseSensitive));
    }
}

CPPSyntaxKeywords::CPPSyntaxKeywords()
    : m_commentStart(QStringLiteral("/\\*"), Qt::CaseSensitive)
    , m_commentEnd(QStringLiteral("\\*/"), Qt::CaseSensitive)
{
    // Directive patterns carry their own spacing rules, so no word boundaries. Longer forms
    // come before their prefixes: the first pattern that matches is the only one coloured.
    addKeywords(
        { QStringLiteral("#if !defined"), QStringLiteral("# *error"), QStringLiteral("#ifn?def"),
            QStringLiteral("#if"), QStringLiteral("#else"), QStringLiteral("#include"),
            QStringLiteral("#elseif"), QStringLiteral("#endif"), QStringLiteral("# *define") },
        m_firstGroup, false);
    addKeywords({ QStringLiteral("else if"), QStringLiteral("typedef struct"), QStringLiteral("if"),
                    QStringLiteral("else"), QStringLiteral("return"), QStringLiteral("while"),
                    QStringLiteral("enum"), QStringLiteral("switch"), QStringLiteral("case"),
                    QStringLiteral("break") },
        m_firstGroup, true);
    addKeywords({ QStringLiteral("void"), QStringLiteral("sizeof"), QStringLiteral("const"),
                    QStringLiteral("static"), QStringLiteral("struct"), QStringLiteral("extern"),
                    QStringLiteral("typedef") },
        m_secondGroup, true);
}
