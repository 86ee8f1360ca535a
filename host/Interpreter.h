#pragma once

#include "vxhost_export.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace VXHost {

/// The engine thread's interpreter command queue. Any thread queues; only the engine thread
/// runs commands, in the order they were queued, and only when it pumps the queue (idle host or
/// a test). Commands run on the engine thread; every other operation is safe from any thread.
class VXHOST_EXPORT Interpreter {
public:
    using Command = std::function<void()>;

    static Interpreter& instance();

    Interpreter(const Interpreter&) = delete;
    Interpreter& operator=(const Interpreter&) = delete;

    /// Queues `command`; false for an empty command or while the queue is closed.
    bool enqueue(Command command);

    /// Runs the commands queued when the call began (commands they queue wait for the next
    /// call); returns how many ran. Runs nothing off the engine thread. An exception thrown by
    /// a command leaves this call; the commands behind it stay queued.
    std::size_t processPendingCommands();
    /// Runs commands as they arrive until `done()` holds or `timeout` has passed; true when
    /// `done()` held. `done` is checked before each command and at least every 10 ms, so a
    /// condition set by another thread is seen without a command. Off the engine thread it
    /// runs nothing and answers `done()` at once. Exceptions as for processPendingCommands.
    bool processCommandsUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    /// Waits until a command is queued, without running it; false when `timeout` passed first.
    bool waitForCommand(std::chrono::milliseconds timeout);
    std::size_t pendingCommands() const;

    /// Makes `id` the engine thread (runHost does this for the thread it starts); a default id
    /// unbinds. While unbound, the first thread that processes commands becomes the engine.
    void bindEngineThread(std::thread::id id);
    bool isEngineThread() const;

    /// The session handle `zvm::currentLocalInterpreter()` gives out: null while no session is
    /// running. A session runs from the start of the process until endSession().
    void* session() const;
    void startSession();
    void endSession();

    /// Discards the waiting commands (on the calling thread) and refuses new ones until open().
    void close();
    void open();
    bool isOpen() const;

private:
    Interpreter() = default;

    struct Entry {
        std::uint64_t sequence;
        Command command;
    };

    bool claimEngineThread();
    /// Takes the front command if its sequence is at most `last`.
    bool takeCommand(std::uint64_t last, Command& command);

    mutable std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<Entry> m_queue;
    std::uint64_t m_lastSequence = 0;
    std::thread::id m_engine;
    bool m_open = true;
    bool m_session = true;
};

} // namespace VXHost
