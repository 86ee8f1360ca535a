#include "vx_qtgui/textbrowser/CPPSyntaxKeywords.h"

#include <gtest/gtest.h>

TEST(CPPSyntaxKeywordsTest, AddKeywordsAppendsCaseSensitivePatternsInOrder)
{
    QVector<QRegExp> group;
    CPPSyntaxKeywords::addKeywords(
        { QStringLiteral("#if"), QStringLiteral("# *define") }, group, false);
    CPPSyntaxKeywords::addKeywords({ QStringLiteral("if") }, group, true);
    ASSERT_EQ(group.size(), 3);
    EXPECT_EQ(group[0].pattern(), QStringLiteral("#if"));
    EXPECT_EQ(group[1].pattern(), QStringLiteral("# *define"));
    EXPECT_EQ(group[2].pattern(), QStringLiteral("\\bif\\b"));

    // Without boundaries a word matches inside another; with them it does not.
    EXPECT_EQ(group[0].indexIn(QStringLiteral("#ifdef")), 0);
    EXPECT_EQ(group[1].indexIn(QStringLiteral("#   define X")), 0);
    EXPECT_EQ(group[2].indexIn(QStringLiteral("elseif")), -1);
    EXPECT_EQ(group[2].indexIn(QStringLiteral("x; if (y)")), 3);
    EXPECT_EQ(group[2].indexIn(QStringLiteral("IF (y)")), -1);
}

TEST(CPPSyntaxKeywordsTest, TableHasBothGroupsAndLiteralCommentMarks)
{
    const CPPSyntaxKeywords& table = CPPSyntaxKeywords::getInstance();
    EXPECT_EQ(table.firstGroup().size(), 19);
    EXPECT_EQ(table.secondGroup().size(), 7);
    EXPECT_EQ(table.commentStart().indexIn(QStringLiteral("a / b * c /* d")), 10);
    EXPECT_EQ(table.commentEnd().lastIndexIn(QStringLiteral("*/ x * / y */")), 11);
    EXPECT_EQ(table.commentStart().indexIn(QStringLiteral("a // b")), -1);
}
