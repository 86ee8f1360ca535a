#include "host/Interpreter.h"

#include <algorithm>

namespace VXHost {

namespace {
// How often a waiting processCommandsUntil re-checks its condition without a command.
constexpr std::chrono::milliseconds recheckInterval { 10 };
constexpr std::chrono::milliseconds maximumWait = std::chrono::hours(24 * 365);
} // namespace

Interpreter& Interpreter::instance()
{
    // Never destroyed: library threads may still queue wake-ups while the process exits.
    static Interpreter* interpreter = new Interpreter;
    return *interpreter;
}

bool Interpreter::enqueue(Command command)
{
    if (!command)
        return false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (!m_open)
            return false;
        m_queue.push_back(Entry { ++m_lastSequence, std::move(command) });
    }
    m_arrived.notify_all();
    return true;
}

bool Interpreter::claimEngineThread()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_engine == std::thread::id())
        m_engine = std::this_thread::get_id();
    return m_engine == std::this_thread::get_id();
}

bool Interpreter::takeCommand(std::uint64_t last, Command& command)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_queue.empty() || m_queue.front().sequence > last)
        return false;
    command = std::move(m_queue.front().command);
    m_queue.pop_front();
    return true;
}

std::size_t Interpreter::processPendingCommands()
{
    if (!claimEngineThread())
        return 0;
    std::uint64_t last;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        last = m_lastSequence;
    }
    std::size_t ran = 0;
    Command command;
    while (takeCommand(last, command)) {
        ++ran;
        command();
    }
    return ran;
}

bool Interpreter::processCommandsUntil(
    const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    if (!done)
        return false;
    if (!claimEngineThread())
        return done();
    // Clamped so that "wait for ever" values cannot overflow the deadline.
    const auto deadline = std::chrono::steady_clock::now() + std::min(timeout, maximumWait);
    for (;;) {
        if (done())
            return true;
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return false;
        Command command;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_arrived.wait_until(lock, std::min(deadline, now + recheckInterval),
                [this] { return !m_queue.empty(); });
            if (m_queue.empty())
                continue;
            command = std::move(m_queue.front().command);
            m_queue.pop_front();
        }
        command();
    }
}

bool Interpreter::waitForCommand(std::chrono::milliseconds timeout)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_arrived.wait_for(
        lock, std::min(timeout, maximumWait), [this] { return !m_queue.empty(); });
}

std::size_t Interpreter::pendingCommands() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_queue.size();
}

void Interpreter::bindEngineThread(std::thread::id id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_engine = id;
}

bool Interpreter::isEngineThread() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_engine == std::this_thread::get_id();
}

void* Interpreter::session() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_session ? const_cast<Interpreter*>(this) : nullptr;
}

void Interpreter::startSession()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_session = true;
}

void Interpreter::endSession()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_session = false;
}

void Interpreter::close()
{
    std::deque<Entry> discarded;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = false;
        discarded.swap(m_queue);
    }
    // Destroyed outside the lock: a command's captures may queue or look things up.
}

void Interpreter::open()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_open = true;
}

bool Interpreter::isOpen() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_open;
}

} // namespace VXHost
