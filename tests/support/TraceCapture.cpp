#include "tests/support/TraceCapture.h"

#include "engine/VXDebugOutputLogging.h"

#include <QFile>

namespace vxtest {

namespace {
const char* const kFileName = "trace.log";
} // namespace

TraceCapture::~TraceCapture()
{
    stop();
}

bool TraceCapture::start()
{
    if (!m_dir.isValid())
        return false;
    VXDebugOutputLogging::setEnabled(true, m_dir.filePath(kFileName).toLocal8Bit().constData());
    m_started = true;
    return true;
}

void TraceCapture::stop()
{
    if (m_started)
        VXDebugOutputLogging::setEnabled(false, nullptr);
    m_started = false;
}

QString TraceCapture::text() const
{
    QFile file(m_dir.filePath(kFileName));
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromLocal8Bit(file.readAll())
                                                            : QString();
}

QStringList TraceCapture::lines() const
{
    QStringList all = text().split('\n');
    if (!all.isEmpty() && all.last().isEmpty())
        all.removeLast();
    return all;
}

} // namespace vxtest
