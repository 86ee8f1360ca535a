#pragma once

#include "messaging/QtMessage.h"
#include "messaging/QtOwnedPointer.h"

/// Message payload: a handle and five ints.
class QtHandleInt5Message : public QtMessage {
public:
    QtHandleInt5Message(void* target, VXMessageType id);
    QtHandleInt5Message(void* target, VXMessageType id, void* handle, int int1, int int2 = 0,
        int int3 = 0, int int4 = 0, int int5 = 0);
    ~QtHandleInt5Message() override;

    void* m_handle = nullptr;
    /// Set when `m_handle` is a host-owned object the handler takes (explorer records, lists).
    QtOwnedPointer m_owned;
    int m_int1 = 0;
    int m_int2 = 0;
    int m_int3 = 0;
    int m_int4 = 0;
    int m_int5 = 0;

private:
    Q_DISABLE_COPY(QtHandleInt5Message)
};
