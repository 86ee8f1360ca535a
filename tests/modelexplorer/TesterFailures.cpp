#include "tests/modelexplorer/TesterFailures.h"

#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <atomic>

namespace vxtest::testerfailures {

namespace {
std::atomic<int> s_failures { 0 };
QtMessageHandler s_previous = nullptr;

// QAbstractItemModelTester reports a broken invariant as a warning starting with "FAIL!".
void countFailures(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("FAIL!"))) {
        ++s_failures;
        ADD_FAILURE() << text.toStdString();
    }
    if (s_previous)
        s_previous(type, context, text);
}

bool s_installed = false;
} // namespace

void start()
{
    s_failures = 0;
    // Not earlier: the GUI thread installs its own handler as it starts.
    if (!s_installed) {
        s_installed = true;
        s_previous = qInstallMessageHandler(countFailures);
    }
}

int count()
{
    return s_failures.load();
}

} // namespace vxtest::testerfailures
