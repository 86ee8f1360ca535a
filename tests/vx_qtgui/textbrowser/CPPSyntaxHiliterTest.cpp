#include "vx_qtgui/textbrowser/CPPSyntaxHiliter.h"

#include "tests/support/QStringPrinter.h"
#include "vx_qtgui/textbrowser/CPPSyntaxKeywords.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// One character per position of a line: 'k' keyword blue, 'c' comment green, '.' plain black,
// '?' uncoloured, 'x' any other colour.
QString paintOf(const QTextBlock& block)
{
    QString paint(block.length() - 1, QLatin1Char('?'));
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        const QColor colour = range.format.foreground().color();
        QChar mark = QLatin1Char('x');
        if (colour == QColor(0, 0, 255))
            mark = QLatin1Char('k');
        else if (colour == QColor(0, 128, 0))
            mark = QLatin1Char('c');
        else if (colour == QColor(0, 0, 0))
            mark = QLatin1Char('.');
        for (int i = range.start; i < range.start + range.length && i < paint.size(); ++i)
            paint[i] = mark;
    }
    return paint;
}

class CPPSyntaxHiliterTest : public ::testing::Test {
protected:
    CPPSyntaxHiliterTest()
        : m_hiliter(new CPPSyntaxHiliter(&m_edit))
    {
    }

    void show(const QString& source)
    {
        m_edit.setPlainText(source);
        m_hiliter->rehighlight();
    }

    QTextBlock line(int n) const { return m_edit.document()->findBlockByNumber(n); }
    std::string paint(int n) const { return paintOf(line(n)).toStdString(); }
    int state(int n) const { return line(n).userState(); }

    QTextEdit m_edit;
    CPPSyntaxHiliter* m_hiliter; // owned by the edit
};

TEST_F(CPPSyntaxHiliterTest, AttachesToTheEditSetsCourierAndSharesOneWholeKeywordTable)
{
    EXPECT_EQ(m_hiliter->document(), m_edit.document());
    EXPECT_EQ(m_edit.font().family(), QStringLiteral("Courier"));
    // Typing is coloured without an explicit rehighlight.
    m_edit.setPlainText(QStringLiteral("return;"));
    EXPECT_EQ(paint(0), "kkkkkk.");

    QTextEdit other;
    const CPPSyntaxHiliter* second = new CPPSyntaxHiliter(&other);
    EXPECT_EQ(&m_hiliter->keywords(), &second->keywords());
    EXPECT_EQ(&m_hiliter->keywords(), &CPPSyntaxKeywords::getInstance());
    // The paintings below use only some of the keywords: none may go missing.
    EXPECT_EQ(m_hiliter->keywords().firstGroup().size(), 19);
    EXPECT_EQ(m_hiliter->keywords().secondGroup().size(), 7);
    // Without an edit it stays detached.
    CPPSyntaxHiliter detached(nullptr);
    EXPECT_EQ(detached.document(), nullptr);
    detached.rehighlight();
}

// A source and, per line, its paint and the comment state the line ends in.
struct Painting {
    const char* name;
    const char* source;
    std::vector<std::string> lines;
};

class CPPSyntaxPaintingTest : public CPPSyntaxHiliterTest,
                              public testing::WithParamInterface<Painting> { };

TEST_P(CPPSyntaxPaintingTest, LinesArePaintedAndEndInTheirCommentState)
{
    show(QString::fromUtf8(GetParam().source));
    std::vector<std::string> lines;
    for (int n = 0; n < m_edit.document()->blockCount(); ++n)
        lines.push_back(paint(n) + " " + std::to_string(state(n)));
    EXPECT_EQ(lines, GetParam().lines);
}

const Painting s_paintings[] = {
    // Only the first matching pattern of the first group is coloured; "typedef struct" wins
    // over the second group's "typedef", "struct" and "const"; pattern order decides, not
    // position: "if" comes before "while" and "break".
    { "FirstGroupColoursOnlyTheFirstMatchingPattern",
        "#include <stdio.h>\nif (x) return 0;\n} else if (y) {\ntypedef struct S const;\n"
        "#if !defined(A)\n#  define B 1\n#ifndef C\nwhile (n) if (m) break;",
        { "kkkkkkkk.......... 0", "kk.............. 0", "..kkkkkkk...... 0",
            "kkkkkkkkkkkkkk......... 0", "kkkkkkkkkkkk... 0", "kkkkkkkkk.... 0", "kkkkkkk.. 0",
            "..........kk........... 0" } },
    { "SecondGroupColoursEveryMatch",
        "static const int x = 1;\nconst char* const p = sizeof(void*);\nextern struct T t;",
        { "kkkkkk.kkkkk........... 0", "kkkkk.......kkkkk.....kkkkkk.kkkk... 0",
            "kkkkkk.kkkkkk..... 0" } },
    { "WordBoundariesAndCaseKeepLookalikesPlain",
        "elseif(x);\nIf (x) Return;\nstaticx = constant + voided;",
        { ".......... 0", ".............. 0", "............................ 0" } },
    // From the first opening to the end of the last closing, the code between included;
    // keywords are coloured over the comment; "/*/" opens but does not close.
    { "CommentWithinOneLine", "int a; /* b */ c /* d */ e * f\n/* if */ x\nx /*/ y",
        { ".......ccccccccccccccccc...... 0", "ccckkccc.. 0", "..ccccc 1" } },
    { "CommentOverTwoLines", "int a; /* open\nclosed */ word\nint b;",
        { ".......ccccccc 1", "ccccccccc..... 0", "...... 0" } },
    // "if" in the opening comment takes the first group, so "static" stays black; the closing
    // line is finished after the comment: its keyword stays black.
    { "CommentOverThreeLinesHidesKeywords",
        "static int a; /* if\n   return while\n*/ static b;\nvoid f();",
        { "..............ccckk 1", "ccccccccccccccc 1", "cc.......... 0", "kkkk..... 0" } },
    // A closing outside a comment is plain, and one before the opening does not close it.
    { "StrayCommentEndOutsideACommentIsPlain", "x = 1; */ static y;\n*/ /* open",
        { "..........kkkkkk... 0", "...ccccccc 1" } },
};

INSTANTIATE_TEST_SUITE_P(Sources, CPPSyntaxPaintingTest, testing::ValuesIn(s_paintings),
    [](const testing::TestParamInfo<Painting>& info) { return std::string(info.param.name); });

TEST_F(CPPSyntaxHiliterTest, ClosingACommentRecoloursTheLinesBelow)
{
    show(QStringLiteral("/* a\n"
                        "static b;\n"
                        "c */"));
    EXPECT_EQ(paint(1), "ccccccccc");
    EXPECT_EQ(state(1), 1);

    QTextCursor cursor(line(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" */"));

    EXPECT_EQ(state(0), 0);
    EXPECT_EQ(paint(1), "kkkkkk...");
    EXPECT_EQ(state(1), 0);
    EXPECT_EQ(paint(2), "....");
}

} // namespace
