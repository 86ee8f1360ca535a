#include "fonts/FontMetricsCache.h"

#include "vrix/SanitizerAnnotations.h"

#include <utility>

namespace ZG {

namespace {

// QMutex locks inside Qt, which ThreadSanitizer cannot see; the annotations tell it what the
// mutex orders.
class AutoCacheLock {
public:
    explicit AutoCacheLock(QMutex& mutex)
        : m_mutex(mutex)
    {
        m_mutex.lock();
        vxTsanAcquire(&m_mutex);
    }
    ~AutoCacheLock()
    {
        vxTsanRelease(&m_mutex);
        m_mutex.unlock();
    }
    AutoCacheLock(const AutoCacheLock&) = delete;
    AutoCacheLock& operator=(const AutoCacheLock&) = delete;

private:
    QMutex& m_mutex;
};

} // namespace

FontMetricsCache& FontMetricsCache::instance()
{
    // Never destroyed: host threads may still measure while static objects go away at exit.
    static FontMetricsCache* cache = new FontMetricsCache;
    return *cache;
}

bool FontMetricsCache::find(const FontInfo& key, FixedFontMetrics& out) const
{
    AutoCacheLock lock(m_mutex);
    const auto it = m_metrics.find(key);
    if (it == m_metrics.end())
        return false;
    out = it->second;
    return true;
}

FixedFontMetrics FontMetricsCache::insert(const FontInfo& key, const FixedFontMetrics& value)
{
    // Built outside the lock; a key must not carry the caller's metrics object.
    FontInfo plainKey(
        key.getFontName(), key.getFontSize(), key.getFontWeight(), key.getFontAngle());
    AutoCacheLock lock(m_mutex);
    return m_metrics.emplace(std::move(plainKey), value).first->second;
}

void FontMetricsCache::clear()
{
    std::map<FontInfo, FixedFontMetrics> old;
    {
        AutoCacheLock lock(m_mutex);
        old.swap(m_metrics);
    }
}

std::size_t FontMetricsCache::size() const
{
    AutoCacheLock lock(m_mutex);
    return m_metrics.size();
}

} // namespace ZG
