#include "vrix/StringID.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using VRIX::StringID;

TEST(StringID, EqualTextsShareOneCopyAndDifferentTextsDoNot)
{
    const std::string built = std::string("qt") + "";
    StringID a(built);
    StringID b("qt");
    StringID c("Qt");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.c_str(), b.c_str()); // the same interned copy, not just equal text
    EXPECT_NE(a, c);
    EXPECT_EQ(c.str(), "Qt");
}

TEST(StringID, EmptyNullDefaultAndResetToEmptyAreTheSameEmptyText)
{
    StringID byDefault;
    StringID fromNull(static_cast<const char*>(nullptr));
    StringID fromEmpty(std::string {});
    EXPECT_EQ(byDefault, fromNull);
    EXPECT_EQ(byDefault, fromEmpty);
    EXPECT_TRUE(fromNull.isEmpty());
    ASSERT_NE(fromNull.c_str(), nullptr);
    EXPECT_STREQ(fromNull.c_str(), "");
    EXPECT_FALSE(byDefault < fromEmpty);

    StringID id("first");
    id.setStringID("second");
    EXPECT_EQ(id, StringID("second"));
    id.setStringID("");
    EXPECT_TRUE(id.isEmpty());
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

} // namespace
