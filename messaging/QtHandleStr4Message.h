#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <string>

/// Message payload: a handle (usually the parent) and up to four strings.
class QtHandleStr4Message : public QtMessage {
public:
    QtHandleStr4Message(void* target, VXMessageType id);
    QtHandleStr4Message(void* target, VXMessageType id, void* handle, const char* text1,
        const char* text2, const char* text3, const char* text4, bool translate);
    QtHandleStr4Message(void* target, VXMessageType id, void* handle, const std::u16string& text1,
        const std::u16string& text2, const std::u16string& text3, const std::u16string& text4);
    QtHandleStr4Message(void* target, VXMessageType id, void* handle, const std::u16string& text1,
        const QString& text2, const QString& text3);
    ~QtHandleStr4Message() override;

    void* m_handle = nullptr;
    QString m_string1;
    QString m_string2;
    QString m_string3;
    QString m_string4;

private:
    Q_DISABLE_COPY(QtHandleStr4Message)
};
