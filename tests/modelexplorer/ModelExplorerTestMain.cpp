// main() of the explorer's model tests: a plain QApplication on the main thread, no engine.
#include "tests/support/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {
QtMessageHandler s_previous = nullptr;

// QAbstractItemModelTester reports broken model invariants as warnings starting with "FAIL!":
// each one fails the running test.
void failOnTesterWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("FAIL!")))
        ADD_FAILURE() << text.toStdString();
    if (s_previous)
        s_previous(type, context, text);
}
} // namespace

int main(int argc, char** argv)
{
    s_previous = qInstallMessageHandler(failOnTesterWarnings);
    vxtest::prepareHeadlessEnvironment();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
