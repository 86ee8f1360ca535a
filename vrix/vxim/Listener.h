#pragma once

#include <memory>
#include <vector>

namespace VXIM {

class ConnectionBase;
class EmitterBase;

/// Base of every object with slots. Every derived destructor calls disconnect() first, so no
/// slot runs on a half-destroyed object.
class Listener {
public:
    Listener() = default;
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;
    virtual ~Listener();

    /// Cuts every connection of this listener. Packets already queued for it are discarded and
    /// never delivered; a slot running on another thread is waited for.
    void disconnect();

    /// Number of live connections (for tests and diagnostics).
    std::size_t connectionCount() const;

private:
    friend class EmitterBase;
    std::vector<std::shared_ptr<ConnectionBase>> m_connections; // guarded by the global lock
};

} // namespace VXIM
