#pragma once

#include "messaging/QtMessage.h"

#include <QString>

/// Message payload: two strings and a bool.
class QtString2BoolMessage : public QtMessage {
public:
    QtString2BoolMessage(void* target, VXMessageType id);
    ~QtString2BoolMessage() override;

    QString m_string1;
    QString m_string2;
    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtString2BoolMessage)
};
