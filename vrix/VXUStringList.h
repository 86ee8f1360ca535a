#pragma once

#include <string>
#include <vector>

/// An ordered list of UTF-16 strings with a built-in cursor; the 16-bit twin of VXStringList.
/// Belongs to one thread at a time.
class VXUStringList {
public:
    VXUStringList() = default;

    void addElement(const std::u16string& text) { m_elements.push_back(text); }
    /// A null text is added as the empty string.
    void addElement(const char16_t* text);

    /// The first element (null when the list is empty); puts the cursor on it.
    const std::u16string* firstElement();
    /// The element after the cursor's, null past the end or before `firstElement`.
    const std::u16string* nextElement();
    /// Null when `index` is out of range.
    const std::u16string* elementAt(int index) const;

    int size() const noexcept { return int(m_elements.size()); }
    bool isEmpty() const noexcept { return m_elements.empty(); }
    void clear();
    const std::vector<std::u16string>& elements() const noexcept { return m_elements; }

private:
    std::vector<std::u16string> m_elements;
    int m_cursor = -1;
};
