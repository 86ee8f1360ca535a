#pragma once

#include "engine/DebugMapPair.h"
#include "vxqtgui_export.h"

#include <atomic>
#include <cstdint>
#include <cstdio>

class VXTimingStatistics;

/// Process-wide trace of the traffic between the engine thread and the GUI thread, written as
/// one line per message, event or Qt diagnostic. Used from both threads. With tracing off a
/// producer pays one test of m_isDebugEnabled and nothing else.
class VXQTGUI_EXPORT VXDebugOutputLogging {
public:
    static constexpr int EventMapSize = 78;
    static constexpr int MessageMapSize = 354;
    static constexpr int EventStatisticsInterval = 100;
    static constexpr int MessageStatisticsInterval = 5000;

    /// Producers test only this before doing any work; switched on the engine thread while the
    /// GUI thread reads it.
    static std::atomic<bool> m_isDebugEnabled;
    /// The open trace file, or null.
    static FILE* m_file;

    /// Switches tracing; a repeated request for the current state does nothing. Switching on
    /// opens `path` for writing (truncating); a null or unopenable path leaves tracing on with
    /// every line dropped. Switching off closes the file.
    static void setEnabled(bool enabled, const char* path);
    /// Writes one complete line and flushes it; nothing when off or without a file.
    static void output(const char* line);

    static std::int64_t currentTick();
    /// Milliseconds from `startTick` to now.
    static double getElapsedTime(std::int64_t startTick);

    /// Catalogue name of an id, or null when the id has no name.
    static const char* getEventName(int id);
    static const char* getMessageName(int id);
    /// Binary search of a table sorted by ascending id.
    static const char* getNameFromID(DebugMapPair* table, int count, int id);

    /// Records a timed sample; writes the statistics line when it completes an interval.
    /// Producers call these before writing the sample's own line.
    static void addMessageTime(double ms);
    static void addEventTime(double ms);

    /// Traces a Qt diagnostic: the prefix for `qtMsgType` (a QtMsgType value), the text, "\n".
    static void qtMessage(int qtMsgType, const char* text);

    /// Event line "<label> - <id> <name> (<ms> mS)" timed from `startTick`; counts in the
    /// event statistics.
    static void traceEvent(const char* label, int id, std::int64_t startTick);
    /// Event line "<label> - <id> <name>".
    static void traceEventUntimed(const char* label, int id);
    /// The line for an event whose listener threw.
    static void traceListenerError(int id);
    /// Message lines, the same two shapes; the timed one counts in the message statistics.
    static void traceMessage(const char* label, int id, std::int64_t startTick);
    static void traceMessageUntimed(const char* label, int id);

    /// The name, or "Unknown event ID" / "Unknown message ID": what the trace lines print.
    static const char* eventNameOrUnknown(int id);
    static const char* messageNameOrUnknown(int id);

    static const VXTimingStatistics& eventStatistics();
    static const VXTimingStatistics& messageStatistics();

private:
    static void sortTables();

    static DebugMapPair m_eventMap[EventMapSize];
    static DebugMapPair m_messageMap[MessageMapSize];
};
