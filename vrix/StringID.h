#pragma once

#include <string>

namespace VRIX {

/// Interned string: equal texts share one process-wide copy, so equality is a pointer test.
/// Ordered by text, which keeps map order independent of interning order. Any thread.
class StringID {
public:
    /// The empty string.
    StringID() noexcept = default;
    explicit StringID(const std::string& text) { setStringID(text); }
    /// A null pointer gives the empty string.
    explicit StringID(const char* text);

    void setStringID(const std::string& text);

    const std::string& str() const noexcept { return m_text ? *m_text : emptyString(); }
    const char* c_str() const noexcept { return str().c_str(); }
    bool isEmpty() const noexcept { return m_text == nullptr; }

    friend bool operator==(const StringID& a, const StringID& b) noexcept
    {
        return a.m_text == b.m_text;
    }
    friend bool operator!=(const StringID& a, const StringID& b) noexcept
    {
        return a.m_text != b.m_text;
    }
    friend bool operator<(const StringID& a, const StringID& b) noexcept
    {
        return a.m_text != b.m_text && a.str() < b.str();
    }

private:
    static const std::string& emptyString() noexcept;

    // Points into the intern pool, which lives until the process ends; null is the empty text.
    const std::string* m_text = nullptr;
};

} // namespace VRIX
