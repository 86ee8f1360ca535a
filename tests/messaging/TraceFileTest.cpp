#include "messaging/QtBoolMessage.h"
#include "messaging/QtBridge.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TraceCapture.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

using vxtest::ProbeWidget;

TEST(TraceFileTest, EveryLineHasItsShapeAndEachMessageIsTracedInOrder)
{
    ASSERT_NO_FATAL_FAILURE(vxtest::startGuiThreadOnce());
    int key = 0; // its address is the peer key
    ProbeWidget* probe = ProbeWidget::make(
        &key, [](VXMessageType, QtMessage* msg) { ProbeWidget::answer(msg, 1); });
    vxtest::TraceCapture trace;
    ASSERT_TRUE(trace.start());
    QtBridge::post(new QtMessage(&key, ShowMsg));
    QtBridge::post(new QtBoolMessage(&key, SetEnableMsg, true));
    QtBridge::post(new QtBoolMessage(&key, BTNSetFlatMsg, true)); // an id without a debug name
    EXPECT_EQ(QtBridge::send(new QtMessage(&key, IsEnabledMsg)), 1);
    vxtest::runOnGuiThread([] { qWarning("from the GUI thread: %d", 42); });
    trace.stop();
    QtBridge::send(new QtMessage(&key, IsVisibleMsg));
    vxtest::runOnGuiThread([&] {
        qWarning("not traced");
        delete probe;
    });

    const QRegularExpression untimed(
        QStringLiteral("^VELMAR (post|send) message - (-?\\d+) (\\S+|Unknown message ID)$"));
    const QRegularExpression timed(
        QStringLiteral("^VRIXOneMessage process message - (-?\\d+) "
                       "(\\S+|Unknown message ID) \\(\\d+\\.\\d{3} mS\\)$"));
    const QStringList lines = trace.lines();
    QStringList left, processed, other; // as "[kind ]id name", in trace order
    for (int i = 0; i < lines.size(); ++i) {
        const QRegularExpressionMatch u = untimed.match(lines[i]);
        const QRegularExpressionMatch t = timed.match(lines[i]);
        if (u.hasMatch()) {
            left << u.captured(1) + " " + u.captured(2) + " " + u.captured(3);
            // Processed only after it left the engine thread.
            EXPECT_FALSE(processed.contains(u.captured(2) + " " + u.captured(3))) << i;
        } else if (t.hasMatch()) {
            processed << t.captured(1) + " " + t.captured(2);
        } else {
            other << lines[i];
        }
    }
    const auto named = [](int id, const char* name) { return QString::number(id) + " " + name; };
    const QStringList sent { named(ShowMsg, "ShowMsg"), named(SetEnableMsg, "SetEnableMsg"),
        named(BTNSetFlatMsg, "Unknown message ID"), named(IsEnabledMsg, "IsEnabledMsg") };
    EXPECT_EQ(left,
        QStringList(
            { "post " + sent[0], "post " + sent[1], "post " + sent[2], "send " + sent[3] }));
    EXPECT_EQ(processed, sent) << "processed in the order they left the engine thread";
    EXPECT_EQ(other, QStringList { "QtWarningMsg: from the GUI thread: 42" });
}

} // namespace
