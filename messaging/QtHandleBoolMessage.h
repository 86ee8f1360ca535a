#pragma once

#include "messaging/QtMessage.h"
#include "messaging/QtOwnedPointer.h"

/// Message payload: a handle and a bool.
class QtHandleBoolMessage : public QtMessage {
public:
    QtHandleBoolMessage(void* target, VXMessageType id);
    ~QtHandleBoolMessage() override;

    void* m_handle = nullptr;
    /// Set when `m_handle` is a host-owned object the handler takes (explorer records, lists).
    QtOwnedPointer m_owned;
    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtHandleBoolMessage)
};
