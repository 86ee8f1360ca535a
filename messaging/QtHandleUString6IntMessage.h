#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a modal alert from UTF-16 strings: title, text, three button texts, the default
/// button and an icon path.
class QtHandleUString6IntMessage : public QtMessage {
public:
    QtHandleUString6IntMessage(void* target, VXMessageType id);
    QtHandleUString6IntMessage(void* target, VXMessageType id, const std::u16string& title,
        const std::u16string& text, const std::u16string& button1, const std::u16string& button2,
        const std::u16string& button3, int defaultButton, const std::u16string& iconPath);
    ~QtHandleUString6IntMessage() override;

    QString m_string1;
    QString m_string2;
    QString m_string3;
    QString m_string4;
    QString m_string5;
    int m_int = 0;
    QString m_string6;

private:
    Q_DISABLE_COPY(QtHandleUString6IntMessage)
};
