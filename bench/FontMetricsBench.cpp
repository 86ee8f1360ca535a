// The font service against Qt's own metrics: a cached fixed metric and a text width beside the
// same question put to a QFontMetrics directly, and a fresh description (answered from the
// cache) beside a fresh QFont and QFontMetrics.
#include "RatioReporter.h"

#include "fonts/FontInfo.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

const char kFamily[] = "DejaVu Sans";
const char kText[] = "The quick brown fox jumps over the lazy dog";
const char16_t kText16[] = u"The quick brown fox jumps over the lazy dog";
constexpr int kPixels = 14;

QFont qtFont()
{
    QFont font(QString::fromLatin1(kFamily), 12, QFont::Normal, false);
    font.setPixelSize(kPixels);
    return font;
}

void BM_QtFontMetricsAscent(benchmark::State& state)
{
    const QFontMetrics metrics(qtFont());
    for (auto _ : state)
        benchmark::DoNotOptimize(metrics.ascent());
}

void BM_FontInfoAscentCached(benchmark::State& state)
{
    const ZG::FontInfo info(kFamily, kPixels);
    info.getAscent(); // the first call measures; every later one is a cache hit
    for (auto _ : state)
        benchmark::DoNotOptimize(info.getAscent());
}

void BM_QtFreshFontMetricsAscent(benchmark::State& state)
{
    for (auto _ : state) {
        const QFontMetrics metrics(qtFont());
        benchmark::DoNotOptimize(metrics.ascent());
    }
}

void BM_FontInfoFreshAscent(benchmark::State& state)
{
    ZG::FontInfo(kFamily, kPixels).getAscent();
    for (auto _ : state) {
        const ZG::FontInfo info(kFamily, kPixels);
        benchmark::DoNotOptimize(info.getAscent());
    }
}

void BM_QtFontMetricsWidth(benchmark::State& state)
{
    const QFontMetrics metrics(qtFont());
    const QString text = QString::fromLatin1(kText);
    for (auto _ : state)
        benchmark::DoNotOptimize(metrics.horizontalAdvance(text));
}

void BM_FontInfoWidth8Bit(benchmark::State& state)
{
    const ZG::FontInfo info(kFamily, kPixels);
    info.getWidth(kText); // builds the description's Qt font once; every later call reuses it
    for (auto _ : state)
        benchmark::DoNotOptimize(info.getWidth(kText));
}

void BM_FontInfoWidthUtf16(benchmark::State& state)
{
    const ZG::FontInfo info(kFamily, kPixels);
    info.getWidth(kText16); // builds the description's Qt font once; every later call reuses it
    for (auto _ : state)
        benchmark::DoNotOptimize(info.getWidth(kText16));
}

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_FontInfoAscentCached", "BM_QtFontMetricsAscent");
    vxbench::RatioReporter::setAnchor("BM_FontInfoFreshAscent", "BM_QtFreshFontMetricsAscent");
    vxbench::RatioReporter::setAnchor("BM_FontInfoWidth8Bit", "BM_QtFontMetricsWidth");
    vxbench::RatioReporter::setAnchor("BM_FontInfoWidthUtf16", "BM_QtFontMetricsWidth");
    return true;
}();

} // namespace

// Several threads share the cache (and its mutex); each has its own Qt objects.
BENCHMARK(BM_QtFontMetricsAscent)->Threads(1)->Threads(4)->UseRealTime();
BENCHMARK(BM_FontInfoAscentCached)->Threads(1)->Threads(4)->UseRealTime();
BENCHMARK(BM_QtFreshFontMetricsAscent)->UseRealTime();
BENCHMARK(BM_FontInfoFreshAscent)->UseRealTime();
BENCHMARK(BM_QtFontMetricsWidth)->UseRealTime();
BENCHMARK(BM_FontInfoWidth8Bit)->UseRealTime();
BENCHMARK(BM_FontInfoWidthUtf16)->UseRealTime();
