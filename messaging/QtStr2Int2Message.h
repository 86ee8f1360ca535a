#pragma once

#include "messaging/QtMessage.h"

#include <QString>

/// Message payload: two strings and two ints.
class QtStr2Int2Message : public QtMessage {
public:
    QtStr2Int2Message(void* target, VXMessageType id);
    QtStr2Int2Message(void* target, VXMessageType id, const char* first, const char* second,
        int value1, int value2, bool translate);
    ~QtStr2Int2Message() override;

    QString m_string1;
    QString m_string2;
    int m_int1 = 0;
    int m_int2 = 0;

private:
    Q_DISABLE_COPY(QtStr2Int2Message)
};
