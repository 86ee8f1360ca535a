#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a string and four ints (a font: family, point size, bold, italic, underline).
class QtStrInt4Message : public QtMessage {
public:
    QtStrInt4Message(void* target, VXMessageType id);
    QtStrInt4Message(void* target, VXMessageType id, const char* text, int value1, int value2,
        int value3, int value4, bool translate);
    QtStrInt4Message(void* target, VXMessageType id, const std::u16string& text, int value1,
        int value2, int value3, int value4);
    ~QtStrInt4Message() override;

    QString m_string;
    int m_int1 = 0;
    int m_int2 = 0;
    int m_int3 = 0;
    int m_int4 = 0;

private:
    Q_DISABLE_COPY(QtStrInt4Message)
};
