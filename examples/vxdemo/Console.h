#pragma once

#include <functional>
#include <string>

/// Reads command lines from standard input on the engine thread without starving the toolkit:
/// while no complete line is there, it keeps running the commands the toolkit queues for the
/// engine thread (user events reach the listeners while the prompt waits). Engine thread.
class Console {
public:
    /// `serve` runs the engine thread's queued commands; called every few milliseconds.
    explicit Console(std::function<void()> serve);

    /// The next line without its newline; false at end of input. Prints `prompt` first when
    /// standard input is a terminal.
    bool nextLine(std::string& line, const char* prompt);

private:
    bool takeBufferedLine(std::string& line);

    std::function<void()> m_serve;
    std::string m_buffer;
    bool m_atEnd = false;
    bool m_terminal = false;
};
