#pragma once

#include <cstddef>
#include <utility>

namespace VRIX {

/// Intrusive smart pointer over a ReferencedTemplate: each copy holds one reference.
template <class T, int Tag = 0> class Holder {
public:
    Holder() noexcept = default;
    Holder(std::nullptr_t) noexcept { }
    Holder(T* object) noexcept
        : m_object(object)
    {
        if (m_object)
            m_object->addReference();
    }
    Holder(const Holder& other) noexcept
        : Holder(other.m_object)
    {
    }
    Holder(Holder&& other) noexcept
        : m_object(std::exchange(other.m_object, nullptr))
    {
    }
    template <class U>
    Holder(const Holder<U, Tag>& other) noexcept
        : Holder(other.get())
    {
    }
    ~Holder() { reset(); }

    Holder& operator=(const Holder& other) noexcept
    {
        Holder(other).swap(*this);
        return *this;
    }
    Holder& operator=(Holder&& other) noexcept
    {
        Holder(std::move(other)).swap(*this);
        return *this;
    }

    void reset() noexcept
    {
        if (T* old = std::exchange(m_object, nullptr))
            old->releaseReference();
    }
    void swap(Holder& other) noexcept { std::swap(m_object, other.m_object); }

    T* get() const noexcept { return m_object; }
    T* operator->() const noexcept { return m_object; }
    T& operator*() const noexcept { return *m_object; }
    explicit operator bool() const noexcept { return m_object != nullptr; }

    friend bool operator==(const Holder& a, const Holder& b) noexcept
    {
        return a.m_object == b.m_object;
    }
    friend bool operator!=(const Holder& a, const Holder& b) noexcept
    {
        return a.m_object != b.m_object;
    }

private:
    T* m_object = nullptr;
};

} // namespace VRIX
