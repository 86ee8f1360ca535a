// Random traffic through the real post and send path into the GUI thread's dispatcher. The
// fixed seed set runs in the suite; a longer run takes its seeds and steps as arguments:
//   dispatch_fuzz --seeds=FIRST:COUNT --steps=N [--skip=ID]...
// --skip leaves one creation id out, to look past a known fault while it is being fixed.
#include "tests/fuzz/DispatchFuzzer.h"
#include "tests/fuzz/FuzzWatchdog.h"
#include "tests/messaging/CountedMessage.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EngineExitHooks.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

namespace {

unsigned g_firstSeed = 1;
unsigned g_seedCount = 6;
int g_steps = 300;
std::set<int> g_skipped;
// A stalled step is reported long before the suite's own time-out.
constexpr int kStallSeconds = 120;

const std::vector<vxtest::CreationKind>& creationKinds()
{
    static const std::vector<vxtest::CreationKind> kinds
        = vxtest::DispatchFuzzer::discoverCreationKinds(g_skipped);
    return kinds;
}

// Random values rarely land an extreme in a given argument, hence the sweep. Finding the kinds, by
// trying every payload class on each, must leave nothing behind either.
TEST(DispatchFuzz, ExtremeIntegersInEveryArgumentLeaveTheDispatcherSound)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    const int before = vxtest::DispatchFuzzer::registeredCount();
    ASSERT_FALSE(creationKinds().empty()) << "the creation table is empty";
    EXPECT_EQ(vxtest::DispatchFuzzer::registeredCount(), before)
        << "trying the payloads left objects behind";
    vxtest::FuzzWatchdog watchdog(kStallSeconds);
    vxtest::DispatchFuzzer fuzzer(1, creationKinds(), g_skipped, watchdog);
    const int sent = fuzzer.sweepExtremeIntegers();
    std::printf("dispatch_fuzz: %zu creation kinds, the sweep sent %d messages\n",
        creationKinds().size(), sent);
    EXPECT_GT(sent, 0) << "no kind built for a bare key";
    EXPECT_TRUE(fuzzer.cleanUp()) << (vxtest::DispatchFuzzer::registeredCount() - fuzzer.baseline())
                                  << " objects outlived their destroy";
}

TEST(DispatchFuzz, RandomTrafficLeavesTheDispatcherSound)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    const std::vector<vxtest::CreationKind>& kinds = creationKinds();
    vxtest::FuzzWatchdog watchdog(kStallSeconds);
    for (unsigned seed = g_firstSeed; seed < g_firstSeed + g_seedCount; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        vxtest::DispatchFuzzer fuzzer(seed, kinds, g_skipped, watchdog);
        for (int i = 0; i < g_steps; ++i)
            fuzzer.step();
        EXPECT_TRUE(fuzzer.cleanUp())
            << (vxtest::DispatchFuzzer::registeredCount() - fuzzer.baseline())
            << " objects outlived their destroy";
        EXPECT_EQ(fuzzer.markersSeen(), fuzzer.markersSent())
            << "a message beside the random ones was lost, repeated or reordered";
        EXPECT_EQ(fuzzer.wrongAnswers(), 0) << "a send returned another message's answer";
        EXPECT_EQ(vxtest::g_alive.load(), 0) << "a marker message was never released";
        const vxtest::FuzzStats& stats = fuzzer.stats();
        EXPECT_GT(stats.creations, 0);
        std::printf("dispatch_fuzz: seed %u, %d steps: %d posts, %d sends, %d creations, %d "
                    "destroys, %d proxies replaced\n",
            seed, g_steps, stats.posts, stats.sends, stats.creations, stats.destroys, stats.churns);
    }
}

// Takes this binary's own options out of argv.
void parseOptions(int& argc, char** argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        unsigned first = 0, count = 0;
        int steps = 0;
        int skip = 0;
        if (std::sscanf(argv[i], "--seeds=%u:%u", &first, &count) == 2 && count > 0) {
            g_firstSeed = first;
            g_seedCount = count;
        } else if (std::sscanf(argv[i], "--steps=%d", &steps) == 1 && steps > 0) {
            g_steps = steps;
        } else if (std::sscanf(argv[i], "--skip=%d", &skip) == 1) {
            g_skipped.insert(skip);
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
    argv[argc] = nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    parseOptions(argc, argv);
    return vxtest::runEngineTests(argc, argv);
}
