#include "examples/vxdemo/explorer/ExplorerSession.h"

#include "engine/VXEventType.h"
#include "engine/VXModelExplorer.h"

#include <map>

namespace {

using Sessions = std::map<const VXWidget*, std::unique_ptr<ExplorerSession>>;

// Never destroyed at exit: the proxies and the listener registry may be gone by then.
Sessions& sessions()
{
    static auto* all = new Sessions;
    return *all;
}

// The events the demo host answers.
const VXEventType kAnswered[]
    = { MESubtreeReplaceRequest, METreeExpandedEvent, METreeSelectionChangedEvent,
          SSGetPendingDataEvent, SSSortingChangedEvent, SSGroupingChangedEvent, SSItemsEditRequest,
          SSItemsChangedEvent, SSSelectionChangedEvent, MECreateNewObjEvent };

} // namespace

ExplorerSession::ExplorerSession(
    VXBridge& bridge, VXModelExplorer& explorer, const ObjectStore::Shape& shape)
    : m_explorer(explorer)
    , m_store(shape)
    , m_answers(bridge, explorer)
    , m_host(m_store, m_answers)
{
    for (VXEventType type : kAnswered)
        m_explorer.addEventListener(&m_host, type);
}

ExplorerSession::~ExplorerSession()
{
    for (VXEventType type : kAnswered)
        m_explorer.removeEventListener(&m_host, type);
}

void ExplorerSession::attach(
    const VXModelExplorer* explorer, std::unique_ptr<ExplorerSession> session)
{
    if (explorer)
        sessions()[explorer] = std::move(session);
}

ExplorerSession* ExplorerSession::of(const VXWidget* explorer)
{
    const auto found = sessions().find(explorer);
    return found == sessions().end() ? nullptr : found->second.get();
}

void ExplorerSession::release(const VXWidget* widget)
{
    sessions().erase(widget);
}
