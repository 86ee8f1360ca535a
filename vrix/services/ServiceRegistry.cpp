#include "vrix/services/ServiceRegistry.h"

namespace VXServices {

ServiceRegistry& ServiceRegistry::instance()
{
    static ServiceRegistry registry;
    return registry;
}

void ServiceRegistry::install(const std::string& name, Service* service)
{
    std::unique_ptr<Service> old;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        auto it = m_services.find(name);
        if (it != m_services.end()) {
            old = std::move(it->second);
            it->second.reset(service);
        } else if (service) {
            m_services.emplace(name, std::unique_ptr<Service>(service));
        }
    }
    // The replaced service dies outside the lock: its destructor may look services up.
}

Service* ServiceRegistry::find(const std::string& name) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_services.find(name);
    return it == m_services.end() ? nullptr : it->second.get();
}

void ServiceRegistry::clear()
{
    std::map<std::string, std::unique_ptr<Service>> old;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        old.swap(m_services);
    }
}

} // namespace VXServices
