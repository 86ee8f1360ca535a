// The trace file of a short run, read back line by line: every line has its exact shape, and
// each message is traced as it left the engine thread before it is traced as processed.
#include "messaging/QtBoolMessage.h"
#include "messaging/QtBridge.h"
#include "messaging/SyncMsgControl.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TraceCapture.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using vxtest::runOnGui;

namespace {

// One parsed trace line.
struct TraceLine {
    enum Kind { Post, Send, Process } kind;
    int id;
    QString name;
};

const QRegularExpression kUntimed(
    QStringLiteral("^VELMAR (post|send) message - (-?\\d+) (\\S+|Unknown message ID)$"));
const QRegularExpression kTimed(
    QStringLiteral("^VRIXOneMessage process message - (-?\\d+) "
                   "(\\S+|Unknown message ID) \\((\\d+\\.\\d{3}) mS\\)$"));

TEST(TraceFileTest, EveryLineHasItsFormatAndEachMessageIsTracedInOrder)
{
    vxtest::startGuiThreadOnce();
    ASSERT_NE(vxtest::guiThread(), nullptr);
    int key = 0; // its address is the peer key
    vxtest::ProbeWidget* probe = nullptr;
    runOnGui([&] {
        probe = new vxtest::ProbeWidget(&key, [](VXMessageType, QtMessage* msg) {
            if (msg->m_syncControl)
                msg->m_syncControl->m_returnValue = 1;
        });
    });
    vxtest::TraceCapture trace;
    ASSERT_TRUE(trace.start());
    QtBridge::post(new QtMessage(&key, ShowMsg));
    QtBridge::post(new QtBoolMessage(&key, SetEnableMsg, true));
    QtBridge::post(new QtBoolMessage(&key, BTNSetFlatMsg, true)); // an id without a debug name
    EXPECT_EQ(QtBridge::send(new QtMessage(&key, IsEnabledMsg)), 1);
    trace.stop();
    // Not traced: tracing is off again.
    QtBridge::send(new QtMessage(&key, IsVisibleMsg));
    runOnGui([&] { delete probe; });

    const QString text = trace.text();
    ASSERT_TRUE(text.endsWith('\n')) << text.toStdString();
    QStringList raw = text.split('\n');
    raw.removeLast();

    std::vector<TraceLine> lines;
    for (const QString& line : raw) {
        const QRegularExpressionMatch untimed = kUntimed.match(line);
        const QRegularExpressionMatch timed = kTimed.match(line);
        if (untimed.hasMatch()) {
            lines.push_back({ untimed.captured(1) == "post" ? TraceLine::Post : TraceLine::Send,
                untimed.captured(2).toInt(), untimed.captured(3) });
        } else if (timed.hasMatch()) {
            lines.push_back({ TraceLine::Process, timed.captured(1).toInt(), timed.captured(2) });
            EXPECT_GE(timed.captured(3).toDouble(), 0.0) << line.toStdString();
        } else {
            ADD_FAILURE() << "line of no known shape: \"" << line.toStdString() << "\"";
        }
    }

    // Two lines per message, four messages, nothing else.
    ASSERT_EQ(lines.size(), 8u) << text.toStdString();
    const std::map<int, QString> names = { { ShowMsg, "ShowMsg" }, { SetEnableMsg, "SetEnableMsg" },
        { BTNSetFlatMsg, "Unknown message ID" }, { IsEnabledMsg, "IsEnabledMsg" } };
    std::map<int, std::vector<TraceLine::Kind>> perMessage;
    std::vector<int> processed;
    for (const TraceLine& line : lines) {
        ASSERT_TRUE(names.count(line.id)) << "unexpected id " << line.id;
        EXPECT_EQ(line.name, names.at(line.id)) << "id " << line.id;
        perMessage[line.id].push_back(line.kind);
        if (line.kind == TraceLine::Process)
            processed.push_back(line.id);
    }
    using K = std::vector<TraceLine::Kind>;
    EXPECT_EQ(perMessage[ShowMsg], (K { TraceLine::Post, TraceLine::Process }));
    EXPECT_EQ(perMessage[SetEnableMsg], (K { TraceLine::Post, TraceLine::Process }));
    EXPECT_EQ(perMessage[BTNSetFlatMsg], (K { TraceLine::Post, TraceLine::Process }));
    EXPECT_EQ(perMessage[IsEnabledMsg], (K { TraceLine::Send, TraceLine::Process }));
    // Processed in the order they left the engine thread.
    EXPECT_EQ(processed, (std::vector<int> { ShowMsg, SetEnableMsg, BTNSetFlatMsg, IsEnabledMsg }));
    // The engine thread's lines come in the order of its calls.
    std::vector<int> left;
    for (const TraceLine& line : lines) {
        if (line.kind != TraceLine::Process)
            left.push_back(line.id);
    }
    EXPECT_EQ(left, (std::vector<int> { ShowMsg, SetEnableMsg, BTNSetFlatMsg, IsEnabledMsg }));
}

} // namespace
