#pragma once

#include <string>
#include <vector>

/// An ordered list of 8-bit strings with a built-in cursor. Like every list handed across the
/// boundary it belongs to one thread at a time; the cursor makes it unsafe to share.
class VXStringList {
public:
    VXStringList() = default;

    /// A null text is added as the empty string.
    void addElement(const char* text);
    void addElement(const std::string& text) { m_elements.push_back(text); }

    /// The first element (null when the list is empty); puts the cursor on it.
    const char* firstElement();
    /// The element after the cursor's, null past the end or before `firstElement`.
    const char* nextElement();
    /// Null when `index` is out of range.
    const char* elementAt(int index) const;

    int size() const noexcept { return int(m_elements.size()); }
    bool isEmpty() const noexcept { return m_elements.empty(); }
    void clear();
    const std::vector<std::string>& elements() const noexcept { return m_elements; }

private:
    std::vector<std::string> m_elements;
    // Index of the element last returned by first/next; -1 before the first call.
    int m_cursor = -1;
};
