#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: two strings, three ints and a bool (progress dialogs).
class QtProgressMessage : public QtMessage {
public:
    QtProgressMessage(void* target, VXMessageType id);
    QtProgressMessage(void* target, VXMessageType id, const std::u16string& text1,
        const std::u16string& text2, int value1, int value2, int value3, bool flag);
    ~QtProgressMessage() override;

    QString m_string1;
    QString m_string2;
    int m_int1 = 0;
    int m_int2 = 0;
    int m_int3 = 0;
    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtProgressMessage)
};
