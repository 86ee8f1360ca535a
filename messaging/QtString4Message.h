#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: four strings.
class QtString4Message : public QtMessage {
public:
    QtString4Message(void* target, VXMessageType id);
    QtString4Message(void* target, VXMessageType id, const std::u16string& text1,
        const std::u16string& text2, const std::u16string& text3, const std::u16string& text4);
    ~QtString4Message() override;

    QString m_string1;
    QString m_string2;
    QString m_string3;
    QString m_string4;

private:
    Q_DISABLE_COPY(QtString4Message)
};
