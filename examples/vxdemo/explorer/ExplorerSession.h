#pragma once

#include "examples/vxdemo/explorer/ExplorerAnswers.h"
#include "examples/vxdemo/explorer/ExplorerHost.h"
#include "examples/vxdemo/explorer/ObjectStore.h"

#include <memory>

class VXWidget;

/// One list widget of the demo (an explorer or a spreadsheet) with the host objects behind it:
/// the store, which several widgets may share, the host that answers the widget's events, and
/// the route of its answers to the proxy. Registered by the proxy's address so the demo's
/// commands find it. Engine thread.
class ExplorerSession {
public:
    /// Listens to `widget` for the events the host answers.
    ExplorerSession(VXWidget& widget, std::shared_ptr<ObjectStore> store,
        std::unique_ptr<ExplorerAnswers> answers);
    /// Stops listening; the proxy must still exist.
    ~ExplorerSession();
    ExplorerSession(const ExplorerSession&) = delete;
    ExplorerSession& operator=(const ExplorerSession&) = delete;

    ObjectStore& store() { return *m_store; }
    /// For another widget showing the same objects: the store lives while either does.
    const std::shared_ptr<ObjectStore>& sharedStore() const { return m_store; }
    ExplorerHost& host() { return m_host; }

    /// Keeps `session` for `widget`, replacing a session left behind by a destroyed proxy that
    /// had the same address.
    static void attach(const VXWidget* widget, std::unique_ptr<ExplorerSession> session);
    /// Null for a proxy the demo did not make.
    static ExplorerSession* of(const VXWidget* widget);
    /// Drops the session of a proxy about to be deleted; any other widget is ignored.
    static void release(const VXWidget* widget);

private:
    VXWidget& m_widget;
    std::shared_ptr<ObjectStore> m_store;
    std::unique_ptr<ExplorerAnswers> m_answers;
    ExplorerHost m_host;
};
