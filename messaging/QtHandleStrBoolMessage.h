#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a handle, a string and a bool.
class QtHandleStrBoolMessage : public QtMessage {
public:
    QtHandleStrBoolMessage(void* target, VXMessageType id);
    QtHandleStrBoolMessage(
        void* target, VXMessageType id, void* handle, const std::u16string& text, bool flag);
    ~QtHandleStrBoolMessage() override;

    void* m_handle = nullptr;
    QString m_string;
    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtHandleStrBoolMessage)
};
