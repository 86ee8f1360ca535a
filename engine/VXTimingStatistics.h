#pragma once

#include <cstdint>
#include <mutex>
#include <string>

/// Running count, sum, minimum and maximum of timed samples in milliseconds, with a summary
/// line every `interval` samples. Never reset. Each set is fed from one thread in practice; the
/// lock only keeps a stray second producer from tearing the figures.
class VXTimingStatistics {
public:
    /// `label` starts the summary line ("EVENT", "MESSAGE").
    constexpr VXTimingStatistics(const char* label, int interval)
        : m_label(label)
        , m_interval(interval > 0 ? interval : 1)
    {
    }
    VXTimingStatistics(const VXTimingStatistics&) = delete;
    VXTimingStatistics& operator=(const VXTimingStatistics&) = delete;

    /// Records one sample. When it completes an interval, returns true and fills `summary`
    /// with the "<label> statistics: min …, max …, ave …" line.
    bool add(double milliseconds, std::string& summary);

    std::int64_t count() const;
    double minimum() const;
    double maximum() const;
    double average() const;

private:
    const char* const m_label;
    const int m_interval;
    mutable std::mutex m_mutex;
    std::int64_t m_count = 0;
    double m_sum = 0.0;
    double m_min = 0.0;
    double m_max = 0.0;
};
