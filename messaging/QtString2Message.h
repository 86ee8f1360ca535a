#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: two strings.
class QtString2Message : public QtMessage {
public:
    QtString2Message(void* target, VXMessageType id);
    QtString2Message(
        void* target, VXMessageType id, const std::u16string& first, const std::u16string& second);
    QtString2Message(
        void* target, VXMessageType id, const char* first, const char* second, bool translate);
    ~QtString2Message() override;

    QString m_string1;
    QString m_string2;

private:
    Q_DISABLE_COPY(QtString2Message)
};
