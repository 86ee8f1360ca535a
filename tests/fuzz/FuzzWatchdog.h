#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace vxtest {

/// Ends the process with the last operation named when a run makes no progress for too long,
/// so a hang in the GUI side shows the seed and step that caused it. Its own thread; `note`
/// is called from the fuzzing thread.
class FuzzWatchdog {
public:
    explicit FuzzWatchdog(int stallSeconds);
    ~FuzzWatchdog();
    FuzzWatchdog(const FuzzWatchdog&) = delete;
    FuzzWatchdog& operator=(const FuzzWatchdog&) = delete;

    /// Records progress and what is about to be done.
    void note(std::string operation);

private:
    void watch();

    const int m_stallSeconds;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::string m_operation; // guarded by m_mutex
    unsigned long m_beats = 0; // guarded by m_mutex
    bool m_stop = false; // guarded by m_mutex
    std::thread m_thread;
};

} // namespace vxtest
