#include "host/FeatureRegistry.h"

namespace VXHost {

FeatureRegistry& FeatureRegistry::instance()
{
    static FeatureRegistry* registry = new FeatureRegistry;
    return *registry;
}

void FeatureRegistry::registerFeature(const char* name, int value, Callback callback)
{
    if (!name || !*name)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_features[name] = Feature { value, callback };
}

void FeatureRegistry::setValue(const char* name, int value)
{
    if (!name || !*name)
        return;
    Callback notify = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        Feature& feature = m_features[name];
        if (feature.value != value)
            notify = feature.callback;
        feature.value = value;
    }
    if (notify)
        notify(value);
}

int FeatureRegistry::value(const char* name) const
{
    if (!name)
        return 0;
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_features.find(name);
    return it == m_features.end() ? 0 : it->second.value;
}

void FeatureRegistry::remove(const char* name)
{
    if (!name)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_features.erase(name);
}

} // namespace VXHost
