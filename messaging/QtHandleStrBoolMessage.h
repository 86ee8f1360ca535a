#pragma once

#include "messaging/QtMessage.h"

#include <QString>

#include <memory>
#include <string>

/// Message payload: a handle, a string and a bool. The handle may be a host-owned object (a list
/// of records) that the message owns until a handler takes it, as QtHandleMessage does.
class QtHandleStrBoolMessage : public QtMessage {
public:
    using Release = void (*)(void*);

    QtHandleStrBoolMessage(void* target, VXMessageType id);
    QtHandleStrBoolMessage(
        void* target, VXMessageType id, void* handle, const std::u16string& text, bool flag);
    /// Owns `handle`: `release` frees it unless a handler takes it first.
    QtHandleStrBoolMessage(void* target, VXMessageType id, void* handle, Release release,
        const std::u16string& text, bool flag);
    ~QtHandleStrBoolMessage() override;

    bool ownsHandle() const { return m_release != nullptr; }
    /// GUI thread: takes over the owned object (null when nothing is owned or it was taken).
    template <class T> std::unique_ptr<T> take()
    {
        if (!m_release)
            return nullptr;
        m_release = nullptr;
        return std::unique_ptr<T>(static_cast<T*>(m_handle));
    }

    void* m_handle = nullptr;
    QString m_string;
    bool m_bool = false;

private:
    Release m_release = nullptr;

    Q_DISABLE_COPY(QtHandleStrBoolMessage)
};
