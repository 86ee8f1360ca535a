#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a string and an int.
class QtStrIntMessage : public QtMessage {
public:
    QtStrIntMessage(void* target, VXMessageType id);
    QtStrIntMessage(void* target, VXMessageType id, const std::u16string& text, int value);
    ~QtStrIntMessage() override;

    QString m_string;
    int m_int = 0;

private:
    Q_DISABLE_COPY(QtStrIntMessage)
};
