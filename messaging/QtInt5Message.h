#pragma once

#include "messaging/QtMessage.h"

/// Message payload: five ints.
class QtInt5Message : public QtMessage {
public:
    QtInt5Message(void* target, VXMessageType id);
    QtInt5Message(void* target, VXMessageType id, int int1, int int2 = 0, int int3 = 0,
        int int4 = 0, int int5 = 0);
    ~QtInt5Message() override;

    int m_int1 = 0;
    int m_int2 = 0;
    int m_int3 = 0;
    int m_int4 = 0;
    int m_int5 = 0;

private:
    Q_DISABLE_COPY(QtInt5Message)
};
