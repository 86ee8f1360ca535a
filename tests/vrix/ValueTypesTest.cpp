#include "vrix/Color.h"
#include "vrix/ErrorHolder.h"
#include "vrix/Font.h"
#include "vrix/StringID.h"
#include "vrix/VXPoint.h"
#include "vrix/VXRect.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(Font, EqualityCoversEveryFieldAndNullFamilyIsEmpty)
{
    const VRIX::Font base("Helvetica", 12.0, VRIX::Font::StyleItalic, VRIX::Font::WeightBold);
    EXPECT_EQ(base, VRIX::Font("Helvetica", 12.0, 1, 3));
    EXPECT_NE(base, VRIX::Font("Helvetica", 13.0, 1, 3));
    EXPECT_NE(base, VRIX::Font("Helvetica", 12.0, 0, 3));
    EXPECT_NE(base, VRIX::Font("Helvetica", 12.0, 1, 1));
    EXPECT_NE(base, VRIX::Font("Courier", 12.0, 1, 3));

    VRIX::Font noFamily(static_cast<const char*>(nullptr), 10.0);
    EXPECT_STREQ(noFamily.familyName(), "");
    noFamily.setFamily(static_cast<const char*>(nullptr));
    EXPECT_TRUE(noFamily.family().isEmpty());
    EXPECT_EQ(VRIX::Font(), VRIX::Font("", 0.0)); // the "nothing chosen" font
}

TEST(VXRect, InclusiveEdgesConvertBothWays)
{
    const auto r = VRIX::VXRect<int>::fromEdges(10, 20, 109, 49);
    EXPECT_EQ(r, VRIX::VXRect<int>(10, 20, 100, 30));
    EXPECT_EQ(r.right(), 109);
    EXPECT_EQ(r.bottom(), 49);
    EXPECT_FALSE(r.isEmpty());
    EXPECT_TRUE(VRIX::VXRect<int>::fromEdges(5, 5, 4, 10).isEmpty()); // right before left
    EXPECT_TRUE(VRIX::VXRect<double>(0, 0, 0.5, 0).isEmpty());
}

TEST(VXPoint, DefaultIsOriginAndComparesByValue)
{
    EXPECT_EQ(VRIX::VXPoint<>(), VRIX::VXPoint<int>(0, 0));
    EXPECT_NE(VRIX::VXPoint<int>(1, 2), VRIX::VXPoint<int>(2, 1));
}

TEST(ErrorHolder, StartsEmptyAndCarriesACodeAndText)
{
    VRIX::ErrorHolder holder;
    EXPECT_FALSE(holder.hasError());
    EXPECT_EQ(holder.code(), 0);
    EXPECT_TRUE(holder.text().empty());

    holder.setError(7, static_cast<const char*>(nullptr));
    EXPECT_TRUE(holder.hasError()); // a missing text is still an error
    EXPECT_EQ(holder.code(), 7);

    holder.setError(3, "disk full");
    VRIX::ErrorHolder copy = holder;
    EXPECT_EQ(copy, holder);
    EXPECT_EQ(copy.text(), "disk full");
    holder.clear();
    EXPECT_EQ(holder, VRIX::ErrorHolder());
    EXPECT_TRUE(copy.hasError());
}

using VRIX::Color;

TEST(Color, ParsesThreeOrFourIntegersWithOptionalBlanksAndPrintsFourParts)
{
    const struct {
        const char* text;
        const char* printed;
    } rows[] = { { "255,0,128", "255,0,128,255" }, { " 10 ,20,\t30 , 0", "10,20,30,0" },
        { "007,0,0", "7,0,0,255" }, { "1,2,3,4", "1,2,3,4" } };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        Color c;
        ASSERT_TRUE(Color::fromString(row.text, c));
        EXPECT_EQ(c.toString(), row.printed);
    }
    EXPECT_EQ(Color(1, 1, 1, 1).toString(), "255,255,255,255");
    EXPECT_EQ(Color().toString(), "0,0,0,255");
    EXPECT_DOUBLE_EQ(Color::fromBytes(255, 0, 128, 255).red(), 1.0);
}

TEST(Color, BadTextIsRejectedAndLeavesTheTargetAlone)
{
    const Color before(0.25, 0.5, 0.75, 0.5);
    const char* bad[]
        = { nullptr, "", "   ", "1,2", "1,2,3,4,5", "1,,3", "1,2,3,", ",1,2,3", "a,b,c", "12x,0,0",
              "256,0,0", "-1,0,0", "+1,0,0", "1.5,2,3", "1 2,3,4", "99999999999,0,0" };
    for (const char* text : bad) {
        Color c = before;
        EXPECT_FALSE(Color::fromString(text, c)) << (text ? text : "(null)");
        EXPECT_EQ(c, before) << (text ? text : "(null)");
    }
}

TEST(Color, BytesPackWithRedInTheTopByteAndOutOfRangeComponentsClamp)
{
    const Color c = Color::fromBytes(0x12, 0x34, 0x56, 0x78);
    EXPECT_EQ(c.rgba(), 0x12345678u);
    EXPECT_EQ(Color::fromRgba(0x12345678u), c);
    EXPECT_EQ(Color::fromRgba(0xff000080u).toString(), "255,0,0,128");
    EXPECT_EQ(Color::toByte(-0.5), 0);
    EXPECT_EQ(Color::toByte(1.5), 255);
    EXPECT_EQ(Color::toByte(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Color::toByte(0.5), 128); // 127.5 rounds up
    EXPECT_EQ(Color::fromBytes(300, -4, 0, 999).toString(), "255,0,0,255");
}

using VRIX::StringID;

TEST(StringID, EqualTextsShareOneCopyAndEveryEmptyFormIsTheSameEmptyText)
{
    StringID a(std::string("qt") + "");
    StringID c("Qt");
    EXPECT_EQ(a, StringID("qt"));
    EXPECT_EQ(a.c_str(), StringID("qt").c_str()); // the same interned copy, not just equal text
    EXPECT_NE(a, c);
    EXPECT_EQ(c.str(), "Qt");

    StringID byDefault;
    StringID fromNull(static_cast<const char*>(nullptr));
    EXPECT_EQ(byDefault, fromNull);
    EXPECT_EQ(byDefault, StringID(std::string {}));
    EXPECT_TRUE(fromNull.isEmpty());
    ASSERT_NE(fromNull.c_str(), nullptr);
    EXPECT_STREQ(fromNull.c_str(), "");
    EXPECT_FALSE(byDefault < StringID(std::string {}));
    c.setStringID("second");
    EXPECT_EQ(c, StringID("second"));
    c.setStringID("");
    EXPECT_TRUE(c.isEmpty());
}

TEST(StringID, MapOrderFollowsTheTextNotTheInterningOrder)
{
    // Interned in reverse alphabetical order, so pointer order would disagree with text order.
    StringID zed("order-zed");
    StringID mid("order-mid");
    StringID alpha("order-alpha");
    std::map<StringID, int> byId { { zed, 3 }, { alpha, 1 }, { mid, 2 }, { StringID(), 0 } };
    std::vector<std::string> keys;
    for (const auto& entry : byId)
        keys.push_back(entry.first.str());
    EXPECT_EQ(keys, (std::vector<std::string> { "", "order-alpha", "order-mid", "order-zed" }));
    EXPECT_EQ(byId.at(StringID("order-mid")), 2);
}

TEST(StringID, ThreadsInterningTheSameTextsConcurrentlyGetTheSameCopies)
{
    constexpr int threadCount = 8;
    constexpr int textCount = 500;
    std::vector<std::vector<const char*>> seen(threadCount, std::vector<const char*>(textCount));
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([t, &seen] {
            // Each thread walks the texts in its own order (a stride coprime with the count) so
            // first insertions are spread across the threads.
            static const int strides[threadCount] = { 1, 3, 7, 11, 13, 17, 19, 23 };
            for (int i = 0; i < textCount; ++i) {
                const int n = (i * strides[t] + t * 37) % textCount;
                seen[t][n] = StringID("concurrent-" + std::to_string(n)).c_str();
            }
        });
    }
    for (auto& thread : threads)
        thread.join();
    for (int n = 0; n < textCount; ++n) {
        EXPECT_EQ(std::string(seen[0][n]), "concurrent-" + std::to_string(n));
        for (int t = 1; t < threadCount; ++t)
            ASSERT_EQ(seen[t][n], seen[0][n]) << "text " << n << " thread " << t;
    }
}

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
