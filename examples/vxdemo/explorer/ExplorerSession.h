#pragma once

#include "examples/vxdemo/explorer/ExplorerHost.h"
#include "examples/vxdemo/explorer/ObjectStore.h"
#include "examples/vxdemo/explorer/ProxyAnswers.h"

#include <memory>

class VXBridge;
class VXModelExplorer;
class VXWidget;

/// One explorer of the demo with the host objects behind it: the store, the host that answers
/// the explorer's events, and the route of its answers to the proxy. Registered by the proxy's
/// address so the demo's commands find it. Engine thread.
class ExplorerSession {
public:
    ExplorerSession(VXBridge& bridge, VXModelExplorer& explorer, const ObjectStore::Shape& shape);
    /// Stops listening; the proxy must still exist.
    ~ExplorerSession();
    ExplorerSession(const ExplorerSession&) = delete;
    ExplorerSession& operator=(const ExplorerSession&) = delete;

    ObjectStore& store() { return m_store; }
    ExplorerHost& host() { return m_host; }

    /// Keeps `session` for `explorer`, replacing a session left behind by a destroyed proxy
    /// that had the same address.
    static void attach(const VXModelExplorer* explorer, std::unique_ptr<ExplorerSession> session);
    /// Null for a proxy the demo did not make.
    static ExplorerSession* of(const VXWidget* explorer);
    /// Drops the session of a proxy about to be deleted; any other widget is ignored.
    static void release(const VXWidget* widget);

private:
    VXModelExplorer& m_explorer;
    ObjectStore m_store;
    ProxyAnswers m_answers;
    ExplorerHost m_host;
};
