#include "fonts/FontMetricsCache.h"
#include "fonts/FontInfo.h"
#include "fonts/FontMetricsImpl.h"
#include "tests/fonts/FontTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

using ZG::FixedFontMetrics;
using ZG::FontInfo;
using ZG::FontMetricsCache;

bool sameMetrics(const FixedFontMetrics& a, const FixedFontMetrics& b)
{
    return a.ascent == b.ascent && a.descent == b.descent && a.height == b.height
        && a.lineSpacing == b.lineSpacing;
}

TEST(FontMetricsCache, OneMeasurementServesEqualDescriptionsKeepsItsValueAndGoesWithTheMultiplier)
{
    fonttest::AutoResetMultiplier reset;
    FontMetricsCache& cache = FontMetricsCache::instance();
    cache.clear();
    const FontInfo first("DejaVu Sans", 21.0, VRIX::FontWeight::Bold);
    FixedFontMetrics found;
    EXPECT_FALSE(cache.find(first, found));

    const double ascent = first.getAscent();
    ASSERT_TRUE(cache.find(first, found));
    EXPECT_EQ(found.ascent, ascent);
    EXPECT_EQ(cache.size(), 1u);

    // An equal description is answered from the cache without a metrics object of its own.
    const FontInfo second("DejaVu Sans", 21.0, VRIX::FontWeight::Bold);
    EXPECT_EQ(second.getAscent(), ascent);
    EXPECT_EQ(second.getLineSpacing(), found.lineSpacing);
    EXPECT_EQ(second.getMetrics(), nullptr);

    // A description differing in any field is measured anew.
    const FontInfo italic("DejaVu Sans", 21.0, VRIX::FontWeight::Bold, VRIX::FontAngle::Italic);
    italic.getDescent();
    EXPECT_NE(italic.getMetrics(), nullptr);
    EXPECT_EQ(cache.size(), 2u);

    // An existing key keeps its value.
    const FontInfo info("DejaVu Serif", 19.0);
    const FixedFontMetrics measured = info.createMetrics()->calcAndcacheMetrics();

    FixedFontMetrics other;
    other.ascent = measured.ascent + 100.0;
    const FixedFontMetrics kept = cache.insert(FontInfo("DejaVu Serif", 19.0), other);
    EXPECT_TRUE(sameMetrics(kept, measured));
    EXPECT_EQ(info.getAscent(), measured.ascent);
    // Recomputing offers the same value again and gets the stored one back.
    EXPECT_TRUE(sameMetrics(info.createMetrics()->calcAndcacheMetrics(), measured));

    FontInfo::setDefaultHintingMultiplier(FontInfo::getDefaultHintingMultiplier()); // no change
    EXPECT_EQ(cache.size(), 3u);
    FontInfo::setDefaultHintingMultiplier(1.25);
    EXPECT_EQ(cache.size(), 0u);
}

struct Measured {
    FixedFontMetrics fixed;
    double width = 0.0;
    ZG::TextExtents extents;
};

Measured measure(const FontInfo& info)
{
    return { { info.getAscent(), info.getDescent(), info.getHeight(), info.getLineSpacing() },
        info.getWidth("abc \xB6 xyz"), info.getExtents(u"first line\nsecond, longer line") };
}

TEST(FontMetricsCache, FourThreadsMeasuringTheSameFontsAgreeWithOneThread)
{
    FontMetricsCache& cache = FontMetricsCache::instance();
    cache.clear();
    std::vector<FontInfo> fonts;
    for (const char* family : { "DejaVu Sans", "DejaVu Serif", "Symbol" })
        for (int size = 8; size < 20; ++size)
            fonts.emplace_back(family, size + 0.25, VRIX::FontWeight::Type(size % 3),
                VRIX::FontAngle::Type(size % 2));
    constexpr int kThreads = 4;
    constexpr int kRounds = 3;

    std::atomic<bool> go { false };
    std::vector<std::vector<Measured>> results(kThreads, std::vector<Measured>(fonts.size()));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            while (!go)
                std::this_thread::yield();
            // Every thread its own descriptions, visited in its own order, several times.
            const std::size_t n = fonts.size();
            for (int round = 0; round < kRounds; ++round) {
                for (std::size_t i = 0; i < n; ++i) {
                    const std::size_t offset = t * n / kThreads + round;
                    const std::size_t k = (t % 2 ? n - 1 - i + offset : i + offset) % n;
                    const FontInfo own(fonts[k].getFontName(), fonts[k].getFontSize(),
                        fonts[k].getFontWeight(), fonts[k].getFontAngle());
                    results[t][k] = measure(own);
                }
            }
        });
    }
    go = true;
    for (std::thread& thread : threads)
        thread.join();

    EXPECT_EQ(cache.size(), fonts.size());
    for (std::size_t k = 0; k < fonts.size(); ++k) {
        SCOPED_TRACE(fonts[k].getFontName().str() + " " + std::to_string(fonts[k].getFontSize()));
        const ZG::FontMetricsImpl alone(fonts[k]);
        const FixedFontMetrics expected { alone.ascent(), alone.descent(), alone.height(),
            alone.lineSpacing() };
        for (int t = 0; t < kThreads; ++t) {
            const Measured& got = results[t][k];
            EXPECT_TRUE(sameMetrics(got.fixed, expected)) << "thread " << t;
            EXPECT_EQ(got.width, results[0][k].width) << "thread " << t;
            EXPECT_EQ(got.extents.width, results[0][k].extents.width) << "thread " << t;
            EXPECT_EQ(got.extents.height, results[0][k].extents.height) << "thread " << t;
        }
        EXPECT_EQ(results[0][k].width, fonts[k].getWidth("abc \xB6 xyz"));
        EXPECT_EQ(results[0][k].extents.width, alone.width(QStringLiteral("second, longer line")));
    }
}

} // namespace
