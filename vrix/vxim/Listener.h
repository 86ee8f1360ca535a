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

    /// Cuts every connection of this listener, including those whose emitter is already gone.
    /// Packets already queued for it are discarded and never delivered; a slot running on
    /// another thread is waited for.
    void disconnect();

    /// Number of connections whose emitter still exists (for tests and diagnostics).
    std::size_t connectionCount() const;

private:
    friend class EmitterBase;
    /// Under the global write lock: keeps `connection`, and lets go of those whose emitter is
    /// gone and that have nothing left to deliver.
    void adopt(const std::shared_ptr<ConnectionBase>& connection);

    std::vector<std::shared_ptr<ConnectionBase>> m_connections; // guarded by the global lock
};

} // namespace VXIM
