#pragma once

#include "vxhost_export.h"

#include <map>
#include <mutex>
#include <string>

namespace VXHost {

/// Feature switches by name, as svRegisterFeature and svIsFeatureEnabled see them. Any thread;
/// callbacks run on the thread that changed the value, outside the registry's lock.
class VXHOST_EXPORT FeatureRegistry {
public:
    using Callback = void (*)(int);

    static FeatureRegistry& instance();

    FeatureRegistry(const FeatureRegistry&) = delete;
    FeatureRegistry& operator=(const FeatureRegistry&) = delete;

    /// Enters or replaces `name` with its value and change callback (may be null). A null or
    /// empty name is ignored.
    void registerFeature(const char* name, int value, Callback callback);
    /// Changes the value of `name` (entering it when unknown) and, when it changed, calls the
    /// feature's callback with the new value.
    void setValue(const char* name, int value);
    /// 0 for an unknown or null name.
    int value(const char* name) const;
    bool isEnabled(const char* name) const { return value(name) != 0; }
    void remove(const char* name);

private:
    FeatureRegistry() = default;

    struct Feature {
        int value = 0;
        Callback callback = nullptr;
    };

    mutable std::mutex m_mutex;
    std::map<std::string, Feature> m_features;
};

} // namespace VXHost
