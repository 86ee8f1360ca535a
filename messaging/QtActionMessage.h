#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a handle (the parent), six strings and four bools: an action's creation
/// arguments.
class QtActionMessage : public QtMessage {
public:
    QtActionMessage(void* target, VXMessageType id);
    QtActionMessage(void* target, VXMessageType id, void* handle, const std::u16string& text1,
        const std::u16string& text2, const std::u16string& text3, const std::u16string& text4,
        const std::u16string& text5, const std::u16string& text6, bool flag1, bool flag2,
        bool flag3, bool flag4);
    ~QtActionMessage() override;

    void* m_handle = nullptr;
    QString m_string1;
    QString m_string2;
    QString m_string3;
    QString m_string4;
    QString m_string5;
    QString m_string6;
    bool m_bool1 = false;
    bool m_bool2 = false;
    bool m_bool3 = false;
    bool m_bool4 = false;

private:
    Q_DISABLE_COPY(QtActionMessage)
};
