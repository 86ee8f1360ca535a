#include "examples/vxdemo/Console.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

namespace {
// How long one wait for input lasts before the toolkit's commands are served again.
constexpr int kPollMilliseconds = 15;
} // namespace

Console::Console(std::function<void()> serve)
    : m_serve(std::move(serve))
    , m_terminal(isatty(STDIN_FILENO) == 1)
{
}

bool Console::takeBufferedLine(std::string& line)
{
    const auto newline = m_buffer.find('\n');
    if (newline == std::string::npos)
        return false;
    line = m_buffer.substr(0, newline);
    m_buffer.erase(0, newline + 1);
    return true;
}

bool Console::nextLine(std::string& line, const char* prompt)
{
    if (m_terminal && prompt) {
        std::fputs(prompt, stdout);
        std::fflush(stdout);
    }
    // Read straight from the descriptor: a buffered stream could hold a line poll cannot see.
    while (!takeBufferedLine(line)) {
        if (m_atEnd) {
            if (m_buffer.empty())
                return false;
            line = std::move(m_buffer);
            m_buffer.clear();
            return true;
        }
        m_serve();
        pollfd input { STDIN_FILENO, POLLIN, 0 };
        const int ready = poll(&input, 1, kPollMilliseconds);
        if (ready < 0 && errno != EINTR) {
            m_atEnd = true;
        } else if (ready > 0) {
            char chunk[4096];
            const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
            if (got > 0)
                m_buffer.append(chunk, static_cast<std::size_t>(got));
            else if (got == 0 || errno != EINTR)
                m_atEnd = true;
        }
    }
    return true;
}
