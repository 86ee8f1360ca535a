#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: one string; also the usual reply for a text.
class QtStringMessage : public QtMessage {
public:
    QtStringMessage(void* target, VXMessageType id);
    QtStringMessage(void* target, VXMessageType id, const char* text, bool translate);
    QtStringMessage(void* target, VXMessageType id, const std::u16string& text);
    QtStringMessage(void* target, VXMessageType id, const QString& text);
    ~QtStringMessage() override;

    QString m_string;

private:
    Q_DISABLE_COPY(QtStringMessage)
};
