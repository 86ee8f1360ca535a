#pragma once

#include "messaging/QtMessage.h"

/// Message payload: one bool.
class QtBoolMessage : public QtMessage {
public:
    QtBoolMessage(void* target, VXMessageType id);
    QtBoolMessage(void* target, VXMessageType id, bool value);
    ~QtBoolMessage() override;

    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtBoolMessage)
};
