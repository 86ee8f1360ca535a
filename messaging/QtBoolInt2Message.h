#pragma once

#include "messaging/QtMessage.h"

/// Message payload: one bool and two ints.
class QtBoolInt2Message : public QtMessage {
public:
    QtBoolInt2Message(void* target, VXMessageType id);
    ~QtBoolInt2Message() override;

    bool m_bool = false;
    int m_int1 = 0;
    int m_int2 = 0;

private:
    Q_DISABLE_COPY(QtBoolInt2Message)
};
