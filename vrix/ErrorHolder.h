#pragma once

#include <string>

namespace VRIX {

/// An optional error record (code and text) carried by a value, such as a message, so a
/// failure can travel back to the caller instead of as an exception. Empty when default-built.
class ErrorHolder {
public:
    ErrorHolder() = default;

    /// A null text is kept as the empty text; the holder then reports an error all the same.
    void setError(int code, const char* text);
    void setError(int code, const std::string& text);
    void clear();

    bool hasError() const noexcept { return m_hasError; }
    /// 0 when empty.
    int code() const noexcept { return m_code; }
    /// Empty when empty.
    const std::string& text() const noexcept { return m_text; }

    friend bool operator==(const ErrorHolder& a, const ErrorHolder& b)
    {
        return a.m_hasError == b.m_hasError && a.m_code == b.m_code && a.m_text == b.m_text;
    }
    friend bool operator!=(const ErrorHolder& a, const ErrorHolder& b) { return !(a == b); }

private:
    bool m_hasError = false;
    int m_code = 0;
    std::string m_text;
};

} // namespace VRIX
