#pragma once

#include "messaging/QtMessage.h"

#include <memory>

/// Message payload: one handle. Usually another proxy (a parent), which the message only names;
/// or a host-owned object (a record, a list) that the message owns until a handler takes it, so
/// that a message dropped anywhere frees what it carries.
class QtHandleMessage : public QtMessage {
public:
    using Release = void (*)(void*);

    QtHandleMessage(void* target, VXMessageType id);
    QtHandleMessage(void* target, VXMessageType id, void* handle);
    /// Owns `handle`: `release` frees it unless a handler takes it first.
    QtHandleMessage(void* target, VXMessageType id, void* handle, Release release);
    ~QtHandleMessage() override;

    /// Whether the handle is owned and not yet taken.
    bool ownsHandle() const { return m_release != nullptr; }

    /// GUI thread: takes over the owned object (null when the message owns nothing, or when it
    /// was taken already). The caller must know the type the sender gave.
    template <class T> std::unique_ptr<T> take()
    {
        if (!m_release)
            return nullptr;
        m_release = nullptr;
        return std::unique_ptr<T>(static_cast<T*>(m_handle));
    }

    void* m_handle = nullptr;

private:
    Release m_release = nullptr;

    Q_DISABLE_COPY(QtHandleMessage)
};
