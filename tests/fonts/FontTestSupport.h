#pragma once

#include <QFont>
#include <QString>

namespace fonttest {

/// The Qt font the service should build for a family at a pixel size.
QFont qtFont(const QString& family, int pixelSize, int weight = QFont::Normal, bool italic = false);

/// Restores the hinting multiplier to 1.0 when the test ends, however it ends.
class AutoResetMultiplier {
public:
    AutoResetMultiplier() = default;
    ~AutoResetMultiplier();
    AutoResetMultiplier(const AutoResetMultiplier&) = delete;
    AutoResetMultiplier& operator=(const AutoResetMultiplier&) = delete;
};

} // namespace fonttest
