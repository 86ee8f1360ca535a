#pragma once

#include "messaging/VXMessageType.h"

#include <QString>

#include <cstdint>
#include <random>
#include <vector>

class QtMessage;

namespace vxtest {

/// Builds messages of every payload class with random contents: strings from empty to huge,
/// odd unicode, extreme numbers, empty and long arrays. Engine thread (one per fuzz run).
class RandomPayload {
public:
    explicit RandomPayload(std::mt19937& random);

    /// How many payload classes there are; class 0 is the bare QtMessage.
    static int classCount();
    /// The name of payload class `index`, for diagnostics.
    static const char* className(int index);

    /// A new message of class `index` for `target` and `id`, its fields filled at random;
    /// handle fields get one of `handles`.
    QtMessage* make(int index, void* target, VXMessageType id, const std::vector<void*>& handles);

    /// Sweep mode: every value becomes plain and fixed (short text, 1.0, true, lengths of one,
    /// integers 1), except the integer asked for at `position` (counted from 0 in each make()),
    /// which is `value`. With `position` -1 nothing is forced.
    void startSweep(int position, int value);
    /// Integers the last make() asked for.
    int integersAsked() const { return m_asked; }

    int anyInt();
    double anyDouble();
    QString anyString();
    bool anyBool();
    int below(int bound); ///< uniform in [0, bound)

private:
    void* anyHandle(const std::vector<void*>& handles);

    std::mt19937& m_random;
    bool m_sweeping = false;
    int m_position = -1;
    int m_value = 0;
    int m_asked = 0;
};

} // namespace vxtest
