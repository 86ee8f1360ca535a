#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: five strings.
class QtString5Message : public QtMessage {
public:
    QtString5Message(void* target, VXMessageType id);
    QtString5Message(void* target, VXMessageType id, const std::u16string& text1,
        const std::u16string& text2, const std::u16string& text3, const std::u16string& text4,
        const std::u16string& text5);
    ~QtString5Message() override;

    QString m_string1;
    QString m_string2;
    QString m_string3;
    QString m_string4;
    QString m_string5;

private:
    Q_DISABLE_COPY(QtString5Message)
};
