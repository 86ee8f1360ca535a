#pragma once

#include "vrix/services/Service.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace VXServices {

/// Process-wide map from service name to the one service object installed under it.
/// The registry owns what it holds. Written at start-up, read from any thread afterwards.
class ServiceRegistry {
public:
    static ServiceRegistry& instance();

    /// Replaces (destroying) the object under `name`; a null object adds no new entry.
    void install(const std::string& name, Service* service);
    /// Null when nothing is installed under `name`.
    Service* find(const std::string& name) const;
    /// Destroys every service (tests and process teardown).
    void clear();

private:
    ServiceRegistry() = default;
    mutable std::mutex m_mutex;
    std::map<std::string, std::unique_ptr<Service>> m_services;
};

/// Typed access: `T::serviceName()` names the entry.
template <class T> struct VXService {
    static void install(T* service)
    {
        ServiceRegistry::instance().install(T::serviceName(), service);
    }
    /// Null when missing or of another type.
    static T* get() { return dynamic_cast<T*>(ServiceRegistry::instance().find(T::serviceName())); }
};

} // namespace VXServices
