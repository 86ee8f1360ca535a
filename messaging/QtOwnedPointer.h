#pragma once

#include <memory>

/// A host-owned object riding along in a payload beside its other fields: freed with the
/// message unless a handler takes it first, on whichever thread drops the message last.
class QtOwnedPointer {
public:
    using Release = void (*)(void*);

    QtOwnedPointer() = default;
    QtOwnedPointer(const QtOwnedPointer&) = delete;
    QtOwnedPointer& operator=(const QtOwnedPointer&) = delete;
    ~QtOwnedPointer();

    /// Takes `pointer` (nothing for null), freeing whatever was owned before.
    void own(void* pointer, Release release);
    bool owns() const { return m_release != nullptr; }

    /// GUI thread: the owned object for the handler (null when nothing is owned or it was taken).
    template <class T> std::unique_ptr<T> take()
    {
        return std::unique_ptr<T>(static_cast<T*>(takeRaw()));
    }
    void* takeRaw();

private:
    void* m_pointer = nullptr;
    Release m_release = nullptr;
};
