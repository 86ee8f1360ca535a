#include "engine/VXDebugOutputLogging.h"

#include "engine/HostFunctions.h"
#include "engine/VXEventType.h"
#include "engine/VXTimingStatistics.h"

#include <algorithm>
#include <cstdarg>
#include <mutex>
#include <string>
#include <vector>

namespace {

const char* const UnknownEventID = "Unknown event ID";
const char* const UnknownMessageID = "Unknown message ID";

// Values of QtMsgType; this side of the library does not include Qt.
enum TraceQtMsgType { TraceQtDebugMsg = 0, TraceQtWarningMsg = 1, TraceQtFatalMsg = 3 };

VXTimingStatistics s_eventStatistics("EVENT", VXDebugOutputLogging::EventStatisticsInterval);
VXTimingStatistics s_messageStatistics("MESSAGE", VXDebugOutputLogging::MessageStatisticsInterval);

// Serialises writing against opening and closing: both threads trace, and the host may switch
// tracing off while the other thread is writing a line.
std::mutex s_fileMutex;

std::once_flag s_sortOnce;

std::string format(const char* pattern, ...)
{
    va_list args;
    va_start(args, pattern);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, pattern, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), pattern, args);
        text.assign(buffer.data(), static_cast<std::size_t>(length));
    }
    va_end(args);
    return text;
}

const char* orEmpty(const char* text)
{
    return text ? text : "";
}

// "<label> - <id> <name>\n", with " (<ms> mS)" before the newline for a timed line.
void writeLine(const char* label, int id, const char* name, const double* ms)
{
    if (ms)
        VXDebugOutputLogging::output(
            format("%s - %d %s (%.3f mS)\n", orEmpty(label), id, name, *ms).c_str());
    else
        VXDebugOutputLogging::output(format("%s - %d %s\n", orEmpty(label), id, name).c_str());
}

} // namespace

std::atomic<bool> VXDebugOutputLogging::m_isDebugEnabled { false };
FILE* VXDebugOutputLogging::m_file = nullptr;

// Expanded from the catalogues in id order; sorted by id on the first look-up all the same.
#define Named(id, name) { #name, static_cast<int>(id) },
#define Unnamed(id, name)
DebugMapPair VXDebugOutputLogging::m_eventMap[EventMapSize] = {
#define VX_EVENT(id, name, payload, debug) debug(id, name)
#include "engine/VXEventCatalogue.def"
#undef VX_EVENT
};

DebugMapPair VXDebugOutputLogging::m_messageMap[MessageMapSize] = {
#define VX_MESSAGE(id, name, payload, delivery, reply, debug) debug(id, name)
#include "engine/VXMessageCatalogue.def"
#undef VX_MESSAGE
};
#undef Named
#undef Unnamed

void VXDebugOutputLogging::setEnabled(bool enabled, const char* path)
{
    if (enabled == m_isDebugEnabled)
        return;
    if (enabled) {
        utEstimateCPUSpeed();
        FILE* file = path ? std::fopen(path, "wt") : nullptr;
        {
            std::lock_guard<std::mutex> guard(s_fileMutex);
            m_file = file;
        }
        m_isDebugEnabled = true;
    } else {
        m_isDebugEnabled = false;
        FILE* file = nullptr;
        {
            std::lock_guard<std::mutex> guard(s_fileMutex);
            file = m_file;
            m_file = nullptr;
        }
        if (file)
            std::fclose(file);
    }
}

void VXDebugOutputLogging::output(const char* line)
{
    if (!m_isDebugEnabled || !line)
        return;
    std::lock_guard<std::mutex> guard(s_fileMutex);
    if (!m_file)
        return;
    std::fwrite(line, 1, utStrlen(line), m_file);
    std::fflush(m_file);
}

std::int64_t VXDebugOutputLogging::currentTick()
{
    return utGetTimeStampCounter();
}

double VXDebugOutputLogging::getElapsedTime(std::int64_t startTick)
{
    return utCPUElapsedTime(startTick, utGetTimeStampCounter()) * 1000.0;
}

void VXDebugOutputLogging::sortTables()
{
    std::call_once(s_sortOnce, [] {
        auto byId = [](const DebugMapPair& a, const DebugMapPair& b) { return a.id < b.id; };
        std::sort(m_eventMap, m_eventMap + EventMapSize, byId);
        std::sort(m_messageMap, m_messageMap + MessageMapSize, byId);
    });
}

const char* VXDebugOutputLogging::getNameFromID(DebugMapPair* table, int count, int id)
{
    sortTables();
    if (!table || count <= 0)
        return nullptr;
    DebugMapPair* end = table + count;
    DebugMapPair* it = std::lower_bound(
        table, end, id, [](const DebugMapPair& entry, int wanted) { return entry.id < wanted; });
    return it != end && it->id == id ? it->name : nullptr;
}

const char* VXDebugOutputLogging::getEventName(int id)
{
    return getNameFromID(m_eventMap, EventMapSize, id);
}

const char* VXDebugOutputLogging::getMessageName(int id)
{
    return getNameFromID(m_messageMap, MessageMapSize, id);
}

void VXDebugOutputLogging::addMessageTime(double ms)
{
    std::string summary;
    if (s_messageStatistics.add(ms, summary))
        output(summary.c_str());
}

void VXDebugOutputLogging::addEventTime(double ms)
{
    std::string summary;
    if (s_eventStatistics.add(ms, summary))
        output(summary.c_str());
}

void VXDebugOutputLogging::qtMessage(int qtMsgType, const char* text)
{
    if (!m_isDebugEnabled)
        return;
    const char* prefix = "Qt message handler: ";
    if (qtMsgType == TraceQtDebugMsg)
        prefix = "QtDebugMsg: ";
    else if (qtMsgType == TraceQtWarningMsg)
        prefix = "QtWarningMsg: ";
    else if (qtMsgType == TraceQtFatalMsg)
        prefix = "QtFatalMsg: ";
    output((std::string(prefix) + orEmpty(text) + "\n").c_str());
}

const char* VXDebugOutputLogging::eventNameOrUnknown(int id)
{
    const char* name = getEventName(id);
    return name ? name : UnknownEventID;
}

const char* VXDebugOutputLogging::messageNameOrUnknown(int id)
{
    const char* name = getMessageName(id);
    return name ? name : UnknownMessageID;
}

void VXDebugOutputLogging::traceEvent(const char* label, int id, std::int64_t startTick)
{
    if (!m_isDebugEnabled)
        return;
    const double ms = getElapsedTime(startTick);
    addEventTime(ms);
    writeLine(label, id, eventNameOrUnknown(id), &ms);
}

void VXDebugOutputLogging::traceEventUntimed(const char* label, int id)
{
    if (m_isDebugEnabled)
        writeLine(label, id, eventNameOrUnknown(id), nullptr);
}

void VXDebugOutputLogging::traceMessage(const char* label, int id, std::int64_t startTick)
{
    if (!m_isDebugEnabled)
        return;
    const double ms = getElapsedTime(startTick);
    addMessageTime(ms);
    writeLine(label, id, messageNameOrUnknown(id), &ms);
}

void VXDebugOutputLogging::traceMessageUntimed(const char* label, int id)
{
    if (m_isDebugEnabled)
        writeLine(label, id, messageNameOrUnknown(id), nullptr);
}

void VXDebugOutputLogging::traceListenerError(int id)
{
    traceEventUntimed("ERROR notifyListeners() threw an error", id);
}

const VXTimingStatistics& VXDebugOutputLogging::eventStatistics()
{
    return s_eventStatistics;
}

const VXTimingStatistics& VXDebugOutputLogging::messageStatistics()
{
    return s_messageStatistics;
}
