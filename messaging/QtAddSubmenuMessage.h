#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a handle, two strings and a bool.
class QtAddSubmenuMessage : public QtMessage {
public:
    QtAddSubmenuMessage(void* target, VXMessageType id);
    QtAddSubmenuMessage(void* target, VXMessageType id, void* handle, const std::u16string& text1,
        const std::u16string& text2, bool flag);
    ~QtAddSubmenuMessage() override;

    void* m_handle = nullptr;
    QString m_string1;
    QString m_string2;
    bool m_bool = false;

private:
    Q_DISABLE_COPY(QtAddSubmenuMessage)
};
