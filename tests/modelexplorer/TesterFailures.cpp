#include "tests/modelexplorer/TesterFailures.h"

#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

namespace vxtest::testerfailures {

namespace {
QtMessageHandler s_previous = nullptr;
bool s_installed = false;

// QAbstractItemModelTester reports a broken invariant as a warning starting with "FAIL!".
void failOnTesterWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("FAIL!")))
        ADD_FAILURE() << text.toStdString();
    if (s_previous)
        s_previous(type, context, text);
}
} // namespace

void start()
{
    // Not earlier: the GUI thread installs its own handler as it starts.
    if (!s_installed) {
        s_installed = true;
        s_previous = qInstallMessageHandler(failOnTesterWarnings);
    }
}

} // namespace vxtest::testerfailures
