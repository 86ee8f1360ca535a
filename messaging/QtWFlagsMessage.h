#pragma once

#include "messaging/QtMessage.h"

#include <cstdint>

/// Message payload: one window-flag word in the toolkit's own flag bits.
class QtWFlagsMessage : public QtMessage {
public:
    QtWFlagsMessage(void* target, VXMessageType id);
    QtWFlagsMessage(void* target, VXMessageType id, std::uint32_t flags);
    ~QtWFlagsMessage() override;

    std::uint32_t m_flags = 0;

private:
    Q_DISABLE_COPY(QtWFlagsMessage)
};
