#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> walk(VXStringList& list)
{
    std::vector<std::string> out;
    for (const char* s = list.firstElement(); s; s = list.nextElement())
        out.emplace_back(s);
    return out;
}

TEST(VXStringList, CursorWalksInInsertionOrderRestartsOnFirstAndOutOfRangeIsNull)
{
    VXStringList list;
    list.addElement("a");
    list.addElement(nullptr); // kept as an empty entry so positions stay aligned
    list.addElement(std::string("c"));
    EXPECT_EQ(walk(list), (std::vector<std::string> { "a", "", "c" }));
    EXPECT_EQ(list.nextElement(), nullptr); // stays past the end
    EXPECT_EQ(walk(list), (std::vector<std::string> { "a", "", "c" }));
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(list.elementAt(-1), nullptr);
    EXPECT_EQ(list.elementAt(3), nullptr);
    EXPECT_STREQ(list.elementAt(2), "c");
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(list.elementAt(0), nullptr);
    EXPECT_EQ(list.firstElement(), nullptr);
    EXPECT_EQ(list.nextElement(), nullptr);

    VXStringList fresh;
    fresh.addElement("y");
    EXPECT_EQ(fresh.nextElement(), nullptr); // no firstElement yet
}

TEST(VXUStringList, HoldsUtf16TextsWithTheSameCursorRules)
{
    VXUStringList list;
    list.addElement(u"\u65e5\u672c"); // non-Latin text survives untouched
    list.addElement(static_cast<const char16_t*>(nullptr));
    list.addElement(std::u16string(u"z"));
    std::vector<std::u16string> seen;
    for (const std::u16string* s = list.firstElement(); s; s = list.nextElement())
        seen.push_back(*s);
    EXPECT_EQ(seen, (std::vector<std::u16string> { u"\u65e5\u672c", u"", u"z" }));
    EXPECT_EQ(list.elementAt(3), nullptr);
    EXPECT_EQ(list.elementAt(-2), nullptr);
    ASSERT_NE(list.elementAt(2), nullptr);
    EXPECT_EQ(*list.elementAt(2), u"z");
}

} // namespace
