#pragma once

#include "messaging/QtMessage.h"

/// Message payload: a handle and a bool.
class QtHandleBoolMessage : public QtMessage {
public:
    QtHandleBoolMessage(void* target, VXMessageType id);
    ~QtHandleBoolMessage() override;

    void* m_handle = nullptr;
    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtHandleBoolMessage)
};
