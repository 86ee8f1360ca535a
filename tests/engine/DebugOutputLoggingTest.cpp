#include "engine/VXDebugOutputLogging.h"
#include "engine/VXEventType.h"
#include "engine/VXTimingStatistics.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

int occurrences(const std::string& text, const std::string& part)
{
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

class DebugOutputLoggingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(VXDebugOutputLogging::m_isDebugEnabled);
        m_path = ::testing::TempDir() + "engine-trace-"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-"
            + std::to_string(::getpid()) + ".log";
        std::remove(m_path.c_str());
    }
    void TearDown() override
    {
        VXDebugOutputLogging::setEnabled(false, nullptr);
        EXPECT_EQ(VXDebugOutputLogging::m_file, nullptr);
        std::remove(m_path.c_str());
    }
    std::string trace() const { return readFile(m_path); }

    std::string m_path;
};

TEST_F(DebugOutputLoggingTest, SwitchingOnTruncatesASecondSwitchOnOpensNothingOffStopsWriting)
{
    const std::string other = m_path + ".other";
    std::ofstream(m_path) << "left over\n";
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    ASSERT_NE(VXDebugOutputLogging::m_file, nullptr);
    VXDebugOutputLogging::output("one\n");
    VXDebugOutputLogging::setEnabled(true, other.c_str());
    VXDebugOutputLogging::output("two\n");
    EXPECT_NE(::access(other.c_str(), F_OK), 0) << "a second switch-on opened a file";
    std::remove(other.c_str());
    EXPECT_EQ(trace(), "one\ntwo\n"); // flushed line by line, file still open

    VXDebugOutputLogging::setEnabled(false, m_path.c_str());
    EXPECT_EQ(VXDebugOutputLogging::m_file, nullptr);
    VXDebugOutputLogging::output("after\n");
    VXDebugOutputLogging::output(nullptr);
    EXPECT_EQ(trace(), "one\ntwo\n");
}

TEST_F(DebugOutputLoggingTest, NullOrUnopenablePathKeepsTracingOnAndDropsLines)
{
    const std::string unopenable = ::testing::TempDir() + "no-such-dir-for-engine-trace/x.log";
    for (const char* path : { static_cast<const char*>(nullptr), unopenable.c_str() }) {
        VXDebugOutputLogging::setEnabled(true, path);
        EXPECT_TRUE(VXDebugOutputLogging::m_isDebugEnabled);
        EXPECT_EQ(VXDebugOutputLogging::m_file, nullptr);
        VXDebugOutputLogging::output("dropped\n");
        VXDebugOutputLogging::traceEventUntimed("label", ButtonPressEvent);
        VXDebugOutputLogging::setEnabled(false, nullptr);
    }
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    VXDebugOutputLogging::output("kept\n");
    EXPECT_EQ(trace(), "kept\n");
}

TEST_F(DebugOutputLoggingTest, LinesNameTheIdOrSayItIsUnknownAndQtDiagnosticsGetTheirPrefix)
{
    VXDebugOutputLogging::qtMessage(0, "not traced while off");
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    VXDebugOutputLogging::traceMessageUntimed("VELMAR post message", 13);
    VXDebugOutputLogging::traceMessageUntimed("VELMAR send message", 7); // a gap in the table
    VXDebugOutputLogging::traceEventUntimed("VELMAR process event", 9);
    VXDebugOutputLogging::traceListenerError(CheckBoxToggleEvent);
    VXDebugOutputLogging::traceListenerError(4242);
    for (int level = 0; level < 5; ++level)
        VXDebugOutputLogging::qtMessage(level, "diagnostic");
    VXDebugOutputLogging::qtMessage(1, nullptr);
    EXPECT_EQ(trace(),
        "VELMAR post message - 13 HideMsg\n"
        "VELMAR send message - 7 Unknown message ID\n"
        "VELMAR process event - 9 Unknown event ID\n"
        "ERROR notifyListeners() threw an error - 2 CheckBoxToggleEvent\n"
        "ERROR notifyListeners() threw an error - 4242 Unknown event ID\n"
        "QtDebugMsg: diagnostic\n"
        "QtWarningMsg: diagnostic\n"
        "Qt message handler: diagnostic\n"
        "QtFatalMsg: diagnostic\n"
        "Qt message handler: diagnostic\n"
        "QtWarningMsg: \n");
}

struct Statistics {
    const char* name;
    int interval;
    const VXTimingStatistics& (*stats)();
    void (*add)(double);
    void (*traceOne)();
    const char* traced; // the timed line, as a pattern
};

const Statistics s_statistics[] = {
    { "EVENT", 100, &VXDebugOutputLogging::eventStatistics, &VXDebugOutputLogging::addEventTime,
        [] {
            VXDebugOutputLogging::traceEvent(
                "VELMAR process event", ButtonPressEvent, VXDebugOutputLogging::currentTick());
        },
        R"(VELMAR process event - 1 ButtonPressEvent \(\d+\.\d{3} mS\))" },
    { "MESSAGE", 5000, &VXDebugOutputLogging::messageStatistics,
        &VXDebugOutputLogging::addMessageTime,
        [] {
            VXDebugOutputLogging::traceMessage(
                "VRIXOneMessage process message", 35, VXDebugOutputLogging::currentTick());
        },
        R"(VRIXOneMessage process message - 35 ShowMsg \(\d+\.\d{3} mS\))" },
};

// Statistics are process-wide and never reset: each case completes the current interval.
TEST_F(DebugOutputLoggingTest, StatisticsLineAfterEveryIntervalOfTimedEventsOrMessages)
{
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    for (const Statistics& kind : s_statistics) {
        SCOPED_TRACE(kind.name);
        const std::string line = std::string(kind.name) + " statistics";
        const int missing = kind.interval - static_cast<int>(kind.stats().count() % kind.interval);
        for (int i = 1; i < missing; ++i)
            kind.add(2.0);
        EXPECT_EQ(occurrences(trace(), line), 0);

        const std::size_t before = trace().size();
        kind.traceOne();
        const std::string added = trace().substr(before);
        EXPECT_TRUE(std::regex_match(added,
            std::regex(line + R"(: min \d+\.\d{3}, max \d+\.\d{3}, ave \d+\.\d{3}\n)" + kind.traced
                + "\n")))
            << added;

        for (int i = 1; i < kind.interval; ++i)
            kind.add(1.0);
        EXPECT_EQ(occurrences(trace(), line), 1);
        kind.add(1.0);
        EXPECT_EQ(occurrences(trace(), line), 2);
    }
}

TEST(DebugNameTables, LookupOnAnyTableSortedById)
{
    DebugMapPair table[] = { { "a", -3 }, { "b", 0 }, { "c", 7 }, { "d", 100 } };
    EXPECT_STREQ(VXDebugOutputLogging::getNameFromID(table, 4, -3), "a");
    EXPECT_STREQ(VXDebugOutputLogging::getNameFromID(table, 4, 100), "d");
    EXPECT_EQ(VXDebugOutputLogging::getNameFromID(table, 4, 8), nullptr);
    EXPECT_EQ(VXDebugOutputLogging::getNameFromID(table, 3, 100), nullptr);
    EXPECT_EQ(VXDebugOutputLogging::getNameFromID(nullptr, 4, 0), nullptr);
    EXPECT_EQ(VXDebugOutputLogging::getNameFromID(table, 0, -3), nullptr);
}

TEST(TimingStatistics, MinimumIsTheSmallestPositiveSampleNotZeroAndTheFirstSetsBothBounds)
{
    VXTimingStatistics stats("TEST", 4);
    std::string summary;
    EXPECT_FALSE(stats.add(3.0, summary));
    EXPECT_FALSE(stats.add(1.5, summary));
    EXPECT_FALSE(stats.add(6.0, summary));
    EXPECT_TRUE(summary.empty());
    EXPECT_TRUE(stats.add(1.5, summary));
    EXPECT_EQ(summary, "TEST statistics: min 1.500, max 6.000, ave 3.000\n");
    EXPECT_DOUBLE_EQ(stats.minimum(), 1.5);
    EXPECT_DOUBLE_EQ(stats.maximum(), 6.0);
    EXPECT_EQ(stats.count(), 4);

    VXTimingStatistics single("TEST", 1);
    EXPECT_TRUE(single.add(0.25, summary));
    EXPECT_EQ(summary, "TEST statistics: min 0.250, max 0.250, ave 0.250\n");
    EXPECT_TRUE(single.add(9.0, summary));
    EXPECT_EQ(summary, "TEST statistics: min 0.250, max 9.000, ave 4.625\n");
}

} // namespace
