#include "tests/modelexplorer/TesterFailures.h"

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <cstdio>

namespace vxtest::testerfailures {

namespace {
std::atomic<int> s_failures { 0 };
QtMessageHandler s_previous = nullptr;
bool s_installed = false;

void countFailures(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("FAIL!"))) {
        ++s_failures;
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
    if (s_previous)
        s_previous(type, context, text);
}
} // namespace

void start()
{
    s_failures = 0;
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
