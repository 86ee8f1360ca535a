#include "vx_qtgui/textbrowser/CPPSyntaxHiliter.h"

#include "tests/support/QStringPrinter.h"
#include "vx_qtgui/textbrowser/CPPSyntaxKeywords.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

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

} // namespace

TEST_F(CPPSyntaxHiliterTest, AttachesToTheEditAndSetsCourier)
{
    EXPECT_EQ(m_hiliter->document(), m_edit.document());
    EXPECT_EQ(m_edit.font().family(), QStringLiteral("Courier"));
    // Typing is coloured without an explicit rehighlight.
    m_edit.setPlainText(QStringLiteral("return;"));
    EXPECT_EQ(paint(0), "kkkkkk.");
}

TEST_F(CPPSyntaxHiliterTest, HighlightersShareOneKeywordTable)
{
    QTextEdit other;
    const CPPSyntaxHiliter* second = new CPPSyntaxHiliter(&other);
    EXPECT_EQ(&m_hiliter->keywords(), &second->keywords());
    EXPECT_EQ(&m_hiliter->keywords(), &CPPSyntaxKeywords::getInstance());
}

TEST(CPPSyntaxHiliterNullTest, NullEditLeavesItDetached)
{
    CPPSyntaxHiliter hiliter(nullptr);
    EXPECT_EQ(hiliter.document(), nullptr);
    hiliter.rehighlight();
}

TEST_F(CPPSyntaxHiliterTest, FirstGroupColoursOnlyTheFirstMatchingPattern)
{
    show(QStringLiteral("#include <stdio.h>\n"
                        "if (x) return 0;\n"
                        "} else if (y) {\n"
                        "typedef struct S const;\n"
                        "#if !defined(A)\n"
                        "#  define B 1\n"
                        "#ifndef C\n"
                        "while (n) if (m) break;"));
    EXPECT_EQ(paint(0), "kkkkkkkk..........");
    EXPECT_EQ(paint(1), "kk..............");
    EXPECT_EQ(paint(2), "..kkkkkkk......");
    // "typedef struct" wins over the second group's "typedef", "struct" and "const".
    EXPECT_EQ(paint(3), "kkkkkkkkkkkkkk.........");
    EXPECT_EQ(paint(4), "kkkkkkkkkkkk...");
    EXPECT_EQ(paint(5), "kkkkkkkkk....");
    EXPECT_EQ(paint(6), "kkkkkkk..");
    // Pattern order decides, not position: "if" comes before "while" and "break".
    EXPECT_EQ(paint(7), "..........kk...........");
}

TEST_F(CPPSyntaxHiliterTest, SecondGroupColoursEveryMatch)
{
    show(QStringLiteral("static const int x = 1;\n"
                        "const char* const p = sizeof(void*);\n"
                        "extern struct T t;"));
    EXPECT_EQ(paint(0), "kkkkkk.kkkkk...........");
    EXPECT_EQ(paint(1), "kkkkk.......kkkkk.....kkkkkk.kkkk...");
    EXPECT_EQ(paint(2), "kkkkkk.kkkkkk.....");
}

TEST_F(CPPSyntaxHiliterTest, WordBoundariesAndCaseKeepLookalikesPlain)
{
    show(QStringLiteral("elseif(x);\n"
                        "If (x) Return;\n"
                        "staticx = constant + voided;"));
    EXPECT_EQ(paint(0), "..........");
    EXPECT_EQ(paint(1), "..............");
    EXPECT_EQ(paint(2), "............................");
}

TEST_F(CPPSyntaxHiliterTest, CommentWithinOneLine)
{
    show(QStringLiteral("int a; /* b */ c /* d */ e\n"
                        "/* if */ x\n"
                        "x /*/ y"));
    // From the first opening to the end of the last closing, the code between included.
    EXPECT_EQ(paint(0), ".......ccccccccccccccccc..");
    EXPECT_EQ(state(0), 0);
    // Keywords are coloured over the comment.
    EXPECT_EQ(paint(1), "ccckkccc..");
    EXPECT_EQ(state(1), 0);
    // "/*/" opens but does not close.
    EXPECT_EQ(paint(2), "..ccccc");
    EXPECT_EQ(state(2), 1);
}

TEST_F(CPPSyntaxHiliterTest, CommentOverTwoLines)
{
    show(QStringLiteral("int a; /* open\n"
                        "closed */ word\n"
                        "int b;"));
    EXPECT_EQ(paint(0), ".......ccccccc");
    EXPECT_EQ(state(0), 1);
    EXPECT_EQ(paint(1), "ccccccccc.....");
    EXPECT_EQ(state(1), 0);
    EXPECT_EQ(paint(2), "......");
    EXPECT_EQ(state(2), 0);
}

TEST_F(CPPSyntaxHiliterTest, CommentOverThreeLinesHidesKeywords)
{
    show(QStringLiteral("static int a; /* if\n"
                        "   return while\n"
                        "*/ static b;\n"
                        "void f();"));
    // "if" in the opening comment takes the first group, so "static" stays black.
    EXPECT_EQ(paint(0), "..............ccckk");
    EXPECT_EQ(state(0), 1);
    EXPECT_EQ(paint(1), "ccccccccccccccc");
    EXPECT_EQ(state(1), 1);
    // The closing line is finished after the comment: its keyword stays black.
    EXPECT_EQ(paint(2), "cc..........");
    EXPECT_EQ(state(2), 0);
    EXPECT_EQ(paint(3), "kkkk.....");
    EXPECT_EQ(state(3), 0);
}

TEST_F(CPPSyntaxHiliterTest, StrayCommentEndOutsideACommentIsPlain)
{
    show(QStringLiteral("x = 1; */ static y;\n"
                        "*/ /* open"));
    EXPECT_EQ(paint(0), "..........kkkkkk...");
    EXPECT_EQ(state(0), 0);
    // A closing before the opening does not close it.
    EXPECT_EQ(paint(1), "...ccccccc");
    EXPECT_EQ(state(1), 1);
}

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
