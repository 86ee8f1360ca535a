#include "tests/fuzz/FuzzWatchdog.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace vxtest {

FuzzWatchdog::FuzzWatchdog(int stallSeconds)
    : m_stallSeconds(stallSeconds)
    , m_thread([this] { watch(); })
{
}

FuzzWatchdog::~FuzzWatchdog()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void FuzzWatchdog::note(std::string operation)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_operation = std::move(operation);
    ++m_beats;
}

void FuzzWatchdog::watch()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    unsigned long lastBeats = m_beats;
    int quietSeconds = 0;
    while (!m_stop) {
        m_wake.wait_for(lock, std::chrono::seconds(1));
        if (m_stop)
            return;
        if (m_beats != lastBeats) {
            lastBeats = m_beats;
            quietSeconds = 0;
            continue;
        }
        if (++quietSeconds >= m_stallSeconds) {
            std::fprintf(stderr, "dispatch_fuzz: no progress for %d s; stuck in: %s\n",
                quietSeconds, m_operation.c_str());
            std::fflush(stderr);
            std::abort();
        }
    }
}

} // namespace vxtest
