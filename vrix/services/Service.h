#pragma once

namespace VXServices {

/// Base of every object kept in the service registry; the registry deletes through it.
class Service {
public:
    Service() = default;
    Service(const Service&) = delete;
    Service& operator=(const Service&) = delete;
    virtual ~Service() = default;
};

} // namespace VXServices
