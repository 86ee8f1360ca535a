#pragma once

#include <stdexcept>
#include <string>

/// A command the session cannot carry out: bad arguments, unknown names. The session prints it
/// with the line number and goes on.
class CommandError : public std::runtime_error {
public:
    /// `badArguments`: the line's words do not fit the command, so its usage is worth printing.
    explicit CommandError(const std::string& what, bool badArguments = false)
        : std::runtime_error(what)
        , m_badArguments(badArguments)
    {
    }

    bool badArguments() const { return m_badArguments; }

private:
    bool m_badArguments;
};
