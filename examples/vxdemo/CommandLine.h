#pragma once

#include <cstddef>
#include <string>
#include <vector>

/// One line of a script split into words. Double quotes group words ("two words"), a backslash
/// escapes the next character inside quotes, and `#` outside quotes starts a comment. The typed
/// accessors throw CommandError naming the missing or malformed argument.
class CommandLine {
public:
    /// Throws CommandError for an unterminated quote.
    explicit CommandLine(const std::string& text);

    bool empty() const { return m_words.empty(); }
    std::size_t size() const { return m_words.size(); }
    const std::vector<std::string>& words() const { return m_words; }

    const std::string& word(std::size_t index, const char* what) const;
    int integer(std::size_t index, const char* what) const;
    double number(std::size_t index, const char* what) const;
    /// "1", "true", "on", "yes" and "0", "false", "off", "no".
    bool flag(std::size_t index, const char* what) const;
    std::u16string text(std::size_t index, const char* what) const;
    /// Word `index`, or `fallback` when the line is shorter (optional arguments).
    std::string wordOr(std::size_t index, const std::string& fallback = {}) const;
    std::u16string textOr(std::size_t index) const;

    /// The words from `first` on, joined by single spaces.
    std::string rest(std::size_t first) const;
    /// A copy that starts at word `first`.
    CommandLine from(std::size_t first) const;

private:
    CommandLine() = default;

    std::vector<std::string> m_words;
};
