#pragma once

namespace VRIX {

/// Intrusive reference count. The object deletes itself when the last holder lets go;
/// the count starts at 0 so the first Holder takes the first reference.
template <class Counter> class ReferencedTemplate {
public:
    ReferencedTemplate() = default;
    ReferencedTemplate(const ReferencedTemplate&) = delete;
    ReferencedTemplate& operator=(const ReferencedTemplate&) = delete;
    virtual ~ReferencedTemplate() = default;

    void addReference() const noexcept { ++m_refCount; }
    void releaseReference() const noexcept
    {
        if (--m_refCount == 0)
            selfRelease();
    }
    int referenceCount() const noexcept { return m_refCount.value(); }

protected:
    /// Called once, by whichever thread dropped the last reference.
    virtual void selfRelease() const noexcept { delete this; }

private:
    mutable Counter m_refCount;
};

} // namespace VRIX
