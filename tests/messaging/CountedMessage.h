#pragma once

#include "messaging/QtIntMessage.h"

#include <atomic>

namespace vxtest {

/// Messages of this class alive right now.
inline std::atomic<int> g_alive { 0 };

/// A QtIntMessage that counts its own instances, so a lost or doubly released message shows.
class CountedMessage : public QtIntMessage {
public:
    CountedMessage(void* target, VXMessageType id, int value)
        : QtIntMessage(target, id, value)
    {
        ++g_alive;
    }
    ~CountedMessage() override { --g_alive; }
};

} // namespace vxtest
