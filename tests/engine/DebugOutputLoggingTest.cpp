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
#include <vector>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        result.push_back(line);
    return result;
}

bool exists(const std::string& path)
{
    return ::access(path.c_str(), F_OK) == 0;
}

int countContaining(const std::vector<std::string>& all, const std::string& part)
{
    int count = 0;
    for (const auto& line : all)
        count += line.find(part) != std::string::npos ? 1 : 0;
    return count;
}

class DebugOutputLoggingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(VXDebugOutputLogging::m_isDebugEnabled);
        const std::string base = ::testing::TempDir() + "engine-trace-"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-"
            + std::to_string(::getpid());
        m_path = base + ".log";
        m_otherPath = base + "-other.log";
        std::remove(m_path.c_str());
        std::remove(m_otherPath.c_str());
    }
    void TearDown() override
    {
        VXDebugOutputLogging::setEnabled(false, nullptr);
        EXPECT_EQ(VXDebugOutputLogging::m_file, nullptr);
        std::remove(m_path.c_str());
        std::remove(m_otherPath.c_str());
    }
    std::string trace() const { return readFile(m_path); }

    std::string m_path;
    std::string m_otherPath;
};

TEST_F(DebugOutputLoggingTest, SecondSwitchOnOpensNothing)
{
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    ASSERT_NE(VXDebugOutputLogging::m_file, nullptr);
    VXDebugOutputLogging::output("one\n");
    VXDebugOutputLogging::setEnabled(true, m_otherPath.c_str());
    VXDebugOutputLogging::output("two\n");
    EXPECT_FALSE(exists(m_otherPath));
    EXPECT_EQ(trace(), "one\ntwo\n"); // flushed line by line, file still open
}

TEST_F(DebugOutputLoggingTest, SwitchingOnTruncatesAndSwitchingOffStopsWriting)
{
    {
        std::ofstream old(m_path);
        old << "left over\n";
    }
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    VXDebugOutputLogging::output("fresh\n");
    VXDebugOutputLogging::setEnabled(false, m_path.c_str());
    EXPECT_EQ(VXDebugOutputLogging::m_file, nullptr);
    VXDebugOutputLogging::output("after\n");
    VXDebugOutputLogging::output(nullptr);
    EXPECT_EQ(trace(), "fresh\n");
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

TEST_F(DebugOutputLoggingTest, LinesNameTheIdOrSayItIsUnknown)
{
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    VXDebugOutputLogging::traceMessageUntimed("VELMAR post message", 13);
    VXDebugOutputLogging::traceMessageUntimed("VELMAR send message", 7); // a gap in the table
    VXDebugOutputLogging::traceEventUntimed("VELMAR process event", 9);
    VXDebugOutputLogging::traceListenerError(CheckBoxToggleEvent);
    VXDebugOutputLogging::traceListenerError(4242);
    EXPECT_EQ(trace(),
        "VELMAR post message - 13 HideMsg\n"
        "VELMAR send message - 7 Unknown message ID\n"
        "VELMAR process event - 9 Unknown event ID\n"
        "ERROR notifyListeners() threw an error - 2 CheckBoxToggleEvent\n"
        "ERROR notifyListeners() threw an error - 4242 Unknown event ID\n");
}

TEST_F(DebugOutputLoggingTest, TimedLinesCarryTheMillisecondsInFlight)
{
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    const std::int64_t start = VXDebugOutputLogging::currentTick();
    VXDebugOutputLogging::traceEvent("VELMAR process event", ButtonPressEvent, start);
    VXDebugOutputLogging::traceMessage("VRIXOneMessage process message", 463, start);
    const auto all = lines(trace());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(std::regex_match(
        all[0], std::regex(R"(VELMAR process event - 1 ButtonPressEvent \(\d+\.\d{3} mS\))")))
        << all[0];
    EXPECT_TRUE(std::regex_match(all[1],
        std::regex(R"(VRIXOneMessage process message - 463 SSCreateMsg \(\d+\.\d{3} mS\))")))
        << all[1];
    EXPECT_GE(VXDebugOutputLogging::getElapsedTime(start), 0.0);
}

TEST_F(DebugOutputLoggingTest, QtDiagnosticsGetTheirPrefix)
{
    VXDebugOutputLogging::qtMessage(0, "not traced while off");
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    VXDebugOutputLogging::qtMessage(0, "debug");
    VXDebugOutputLogging::qtMessage(1, "warning");
    VXDebugOutputLogging::qtMessage(2, "critical");
    VXDebugOutputLogging::qtMessage(3, "fatal");
    VXDebugOutputLogging::qtMessage(4, "info");
    VXDebugOutputLogging::qtMessage(1, nullptr);
    EXPECT_EQ(trace(),
        "QtDebugMsg: debug\n"
        "QtWarningMsg: warning\n"
        "Qt message handler: critical\n"
        "QtFatalMsg: fatal\n"
        "Qt message handler: info\n"
        "QtWarningMsg: \n");
}

// Statistics are process-wide and never reset: each test completes the current interval.
TEST_F(DebugOutputLoggingTest, EventStatisticsLineAfterEveryHundredTimedEvents)
{
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    const auto& stats = VXDebugOutputLogging::eventStatistics();
    const int interval = VXDebugOutputLogging::EventStatisticsInterval;
    ASSERT_EQ(interval, 100);
    const int missing = interval - static_cast<int>(stats.count() % interval);
    for (int i = 1; i < missing; ++i)
        VXDebugOutputLogging::addEventTime(2.0);
    EXPECT_EQ(countContaining(lines(trace()), "statistics"), 0);

    VXDebugOutputLogging::traceEvent(
        "VELMAR process event", ButtonPressEvent, VXDebugOutputLogging::currentTick());
    auto all = lines(trace());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_TRUE(std::regex_match(
        all[0], std::regex(R"(EVENT statistics: min \d+\.\d{3}, max \d+\.\d{3}, ave \d+\.\d{3})")))
        << all[0];
    EXPECT_EQ(all[1].rfind("VELMAR process event - 1 ButtonPressEvent (", 0), 0u) << all[1];

    for (int i = 1; i < interval; ++i)
        VXDebugOutputLogging::addEventTime(1.0);
    EXPECT_EQ(countContaining(lines(trace()), "EVENT statistics"), 1);
    VXDebugOutputLogging::addEventTime(1.0);
    EXPECT_EQ(countContaining(lines(trace()), "EVENT statistics"), 2);
    EXPECT_EQ(countContaining(lines(trace()), "MESSAGE statistics"), 0);
}

TEST_F(DebugOutputLoggingTest, MessageStatisticsLineAfterEveryFiveThousandTimedMessages)
{
    VXDebugOutputLogging::setEnabled(true, m_path.c_str());
    const auto& stats = VXDebugOutputLogging::messageStatistics();
    const int interval = VXDebugOutputLogging::MessageStatisticsInterval;
    ASSERT_EQ(interval, 5000);
    const int missing = interval - static_cast<int>(stats.count() % interval);
    for (int i = 1; i < missing; ++i)
        VXDebugOutputLogging::addMessageTime(0.5);
    EXPECT_EQ(countContaining(lines(trace()), "statistics"), 0);

    VXDebugOutputLogging::traceMessage(
        "VRIXOneMessage process message", 35, VXDebugOutputLogging::currentTick());
    const auto all = lines(trace());
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].rfind("MESSAGE statistics: min ", 0), 0u) << all[0];
    EXPECT_EQ(all[1].rfind("VRIXOneMessage process message - 35 ShowMsg (", 0), 0u) << all[1];
}

TEST(DebugNameTables, EveryCatalogueEntryIsFoundAndGapsAreNot)
{
    int messages = 0;
    for (int id = -10; id < 600; ++id)
        messages += VXDebugOutputLogging::getMessageName(id) ? 1 : 0;
    EXPECT_EQ(messages, VXDebugOutputLogging::MessageMapSize);
    int events = 0;
    for (int id = -10; id < 200; ++id)
        events += VXDebugOutputLogging::getEventName(id) ? 1 : 0;
    EXPECT_EQ(events, VXDebugOutputLogging::EventMapSize);

    EXPECT_STREQ(VXDebugOutputLogging::getMessageName(0), "SyncDiagnosticEchoMsg");
    EXPECT_STREQ(VXDebugOutputLogging::getMessageName(250), "MEReplacePropertyNames");
    EXPECT_STREQ(VXDebugOutputLogging::getMessageName(461), "VXIMProcessEventsMsg");
    EXPECT_STREQ(VXDebugOutputLogging::getMessageName(463), "SSCreateMsg");
    EXPECT_EQ(VXDebugOutputLogging::getMessageName(464), nullptr); // sent, but unnamed
    EXPECT_EQ(VXDebugOutputLogging::getMessageName(466), nullptr); // not used at all

    EXPECT_STREQ(
        VXDebugOutputLogging::getEventName(static_cast<int>(InvalidEvent)), "InvalidEvent");
    EXPECT_STREQ(
        VXDebugOutputLogging::getEventName(AsyncDiagnosticEchoEvent), "AsyncDiagnosticEchoEvent");
    EXPECT_STREQ(VXDebugOutputLogging::getEventName(SSItemsChangedEvent), "SSItemsChangedEvent");
    EXPECT_EQ(VXDebugOutputLogging::getEventName(ListViewHiddenEvent), nullptr);
    EXPECT_STREQ(
        VXDebugOutputLogging::eventNameOrUnknown(SliderValueChangedEvent), "Unknown event ID");
    EXPECT_STREQ(VXDebugOutputLogging::messageNameOrUnknown(12), "Unknown message ID");
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
