#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a modal alert: title, text, three button texts, the default button and an icon
/// path.
class QtHandleString6IntMessage : public QtMessage {
public:
    QtHandleString6IntMessage(void* target, VXMessageType id);
    QtHandleString6IntMessage(void* target, VXMessageType id, const char* title,
        const std::u16string& text, const char* button1, const char* button2, const char* button3,
        int defaultButton, const char* iconPath);
    ~QtHandleString6IntMessage() override;

    QString m_string1;
    QString m_string2;
    QString m_string3;
    QString m_string4;
    QString m_string5;
    int m_int = 0;
    QString m_string6;

private:
    Q_DISABLE_COPY(QtHandleString6IntMessage)
};
