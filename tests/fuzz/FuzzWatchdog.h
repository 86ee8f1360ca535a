#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace vxtest {

/// Ends the process with the last operation named when a run makes no progress for too long,
/// so a hang in the GUI side shows the seed and step that caused it. Its own thread; `note`
/// is called from the fuzzing thread.
class FuzzWatchdog {
public:
    explicit FuzzWatchdog(int stallSeconds)
        : m_thread([this, stallSeconds] { watch(stallSeconds); })
    {
    }
    ~FuzzWatchdog()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    FuzzWatchdog(const FuzzWatchdog&) = delete;
    FuzzWatchdog& operator=(const FuzzWatchdog&) = delete;

    /// Records progress and what is about to be done.
    void note(std::string operation)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_operation = std::move(operation);
        ++m_beats;
    }

private:
    void watch(int stallSeconds)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        unsigned long lastBeats = m_beats;
        for (int quiet = 0;
             !m_wake.wait_for(lock, std::chrono::seconds(1), [this] { return m_stop; });) {
            quiet = m_beats != lastBeats ? 0 : quiet + 1;
            lastBeats = m_beats;
            if (quiet >= stallSeconds) {
                std::fprintf(stderr, "fuzz: no progress for %d s; stuck in: %s\n", quiet,
                    m_operation.c_str());
                std::abort();
            }
        }
    }

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_operation; // guarded by m_mutex
    unsigned long m_beats = 0; // guarded by m_mutex
    bool m_stop = false; // guarded by m_mutex
    std::thread m_thread; // last: starts once the fields above exist
};

} // namespace vxtest
