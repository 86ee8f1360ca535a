#include "examples/vxdemo/CommandLine.h"

#include "engine/HostFunctions.h"
#include "examples/vxdemo/CommandError.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

CommandLine::CommandLine(const std::string& text)
{
    std::string current;
    bool inWord = false;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '\\' && i + 1 < text.size()) {
                const char next = text[++i];
                current += next == 'n' ? '\n' : next;
            } else if (c == '"') {
                quoted = false;
            } else {
                current += c;
            }
            continue;
        }
        if (c == '#' && !inWord)
            break;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (inWord)
                m_words.push_back(current);
            current.clear();
            inWord = false;
        } else if (c == '"') {
            quoted = true;
            inWord = true;
        } else {
            current += c;
            inWord = true;
        }
    }
    if (quoted)
        throw CommandError("unterminated quote");
    if (inWord)
        m_words.push_back(current);
}

const std::string& CommandLine::word(std::size_t index, const char* what) const
{
    if (index >= m_words.size())
        throw CommandError(std::string("missing ") + what, true);
    return m_words[index];
}

int CommandLine::integer(std::size_t index, const char* what) const
{
    const std::string& w = word(index, what);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(w.c_str(), &end, 0);
    if (w.empty() || *end || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        throw CommandError(std::string(what) + " must be an integer, not \"" + w + "\"", true);
    return static_cast<int>(value);
}

double CommandLine::number(std::size_t index, const char* what) const
{
    const std::string& w = word(index, what);
    char* end = nullptr;
    const double value = std::strtod(w.c_str(), &end);
    if (w.empty() || *end)
        throw CommandError(std::string(what) + " must be a number, not \"" + w + "\"", true);
    return value;
}

bool CommandLine::flag(std::size_t index, const char* what) const
{
    const std::string& w = word(index, what);
    if (w == "1" || w == "true" || w == "on" || w == "yes")
        return true;
    if (w == "0" || w == "false" || w == "off" || w == "no")
        return false;
    throw CommandError(std::string(what) + " must be on or off, not \"" + w + "\"", true);
}

std::u16string CommandLine::text(std::size_t index, const char* what) const
{
    return fl::i18n::to_ustring(word(index, what).c_str());
}

std::string CommandLine::wordOr(std::size_t index, const std::string& fallback) const
{
    return index < m_words.size() ? m_words[index] : fallback;
}

std::u16string CommandLine::textOr(std::size_t index) const
{
    return fl::i18n::to_ustring(wordOr(index).c_str());
}

std::string CommandLine::rest(std::size_t first) const
{
    std::string joined;
    for (std::size_t i = first; i < m_words.size(); ++i) {
        if (i > first)
            joined += ' ';
        joined += m_words[i];
    }
    return joined;
}

CommandLine CommandLine::from(std::size_t first) const
{
    CommandLine tail;
    if (first < m_words.size())
        tail.m_words.assign(m_words.begin() + static_cast<std::ptrdiff_t>(first), m_words.end());
    return tail;
}
