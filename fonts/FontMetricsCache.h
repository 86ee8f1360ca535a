#pragma once

#include "fonts/FixedFontMetrics.h"
#include "fonts/FontInfo.h"

#include <QMutex>

#include <cstddef>
#include <map>

namespace ZG {

/// The process-wide fixed metrics of every font description measured so far. Any thread; the
/// map is guarded by one mutex that is never held while Qt measures.
class FontMetricsCache {
public:
    static FontMetricsCache& instance();

    FontMetricsCache(const FontMetricsCache&) = delete;
    FontMetricsCache& operator=(const FontMetricsCache&) = delete;

    /// True and `out` filled when `key` (its four fields) is cached.
    bool find(const FontInfo& key, FixedFontMetrics& out) const;
    /// Stores `value` under `key` unless the key is present; returns the stored value.
    FixedFontMetrics insert(const FontInfo& key, const FixedFontMetrics& value);
    void clear();
    std::size_t size() const;

private:
    FontMetricsCache() = default;

    mutable QMutex m_mutex;
    // Keys carry no metrics objects.
    std::map<FontInfo, FixedFontMetrics> m_metrics;
};

} // namespace ZG
