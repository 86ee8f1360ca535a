#pragma once

#include "messaging/QtMessage.h"

/// Message payload: one int; also the usual reply for a number.
class QtIntMessage : public QtMessage {
public:
    QtIntMessage(void* target, VXMessageType id);
    QtIntMessage(void* target, VXMessageType id, int value);
    ~QtIntMessage() override;

    int m_int = 0;

private:
    Q_DISABLE_COPY(QtIntMessage)
};
