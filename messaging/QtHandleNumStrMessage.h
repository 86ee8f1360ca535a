#pragma once

#include "messaging/QtMessage.h"
#include "messaging/QtOwnedPointer.h"

#include <QString>

#include <string>

/// Message payload: a handle, an int and a string.
class QtHandleNumStrMessage : public QtMessage {
public:
    QtHandleNumStrMessage(void* target, VXMessageType id);
    QtHandleNumStrMessage(
        void* target, VXMessageType id, void* handle, int value, const std::u16string& text);
    ~QtHandleNumStrMessage() override;

    void* m_handle = nullptr;
    /// Set when `m_handle` is a host-owned object the handler takes (explorer records, lists).
    QtOwnedPointer m_owned;
    int m_int = 0;
    QString m_string;

private:
    Q_DISABLE_COPY(QtHandleNumStrMessage)
};
