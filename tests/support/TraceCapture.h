#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vxtest {

/// The engine's debug trace written to a file of its own, for a test to read back. Engine
/// thread; tracing is off again when the capture ends.
class TraceCapture {
public:
    TraceCapture() = default;
    ~TraceCapture();

    /// Turns tracing on into a fresh file; false when no file can be made.
    bool start();
    /// Turns tracing off; what was written stays readable.
    void stop();

    /// Everything written so far.
    QString text() const;
    /// The same, one entry per line, without the line ends.
    QStringList lines() const;

private:
    QTemporaryDir m_dir;
    bool m_started = false;
};

} // namespace vxtest
