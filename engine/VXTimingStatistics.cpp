#include "engine/VXTimingStatistics.h"

#include <cstdio>

bool VXTimingStatistics::add(double milliseconds, std::string& summary)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    ++m_count;
    m_sum += milliseconds;
    // The first sample sets both bounds; starting them at 0 would pin the minimum there.
    if (m_count == 1 || milliseconds < m_min)
        m_min = milliseconds;
    if (m_count == 1 || milliseconds > m_max)
        m_max = milliseconds;
    if (m_count % m_interval != 0)
        return false;
    char line[160];
    std::snprintf(line, sizeof line, "%s statistics: min %.3f, max %.3f, ave %.3f\n", m_label,
        m_min, m_max, m_sum / static_cast<double>(m_count));
    summary = line;
    return true;
}

std::int64_t VXTimingStatistics::count() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_count;
}

double VXTimingStatistics::minimum() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_min;
}

double VXTimingStatistics::maximum() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_max;
}

double VXTimingStatistics::average() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_count ? m_sum / static_cast<double>(m_count) : 0.0;
}
