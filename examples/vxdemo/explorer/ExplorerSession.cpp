#include "examples/vxdemo/explorer/ExplorerSession.h"

#include "engine/VXEventType.h"
#include "engine/VXWidget.h"

#include <map>
#include <utility>

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
          SSItemsChangedEvent, SSSelectionChangedEvent, MECreateNewObjEvent, MEViewHyperlinkEvent };

} // namespace

ExplorerSession::ExplorerSession(
    VXWidget& widget, std::shared_ptr<ObjectStore> store, std::unique_ptr<ExplorerAnswers> answers)
    : m_widget(widget)
    , m_store(std::move(store))
    , m_answers(std::move(answers))
    , m_host(*m_store, *m_answers)
{
    for (VXEventType type : kAnswered)
        m_widget.addEventListener(&m_host, type);
}

ExplorerSession::~ExplorerSession()
{
    for (VXEventType type : kAnswered)
        m_widget.removeEventListener(&m_host, type);
}

void ExplorerSession::attach(const VXWidget* widget, std::unique_ptr<ExplorerSession> session)
{
    if (widget)
        sessions()[widget] = std::move(session);
}

ExplorerSession* ExplorerSession::of(const VXWidget* widget)
{
    const auto found = sessions().find(widget);
    return found == sessions().end() ? nullptr : found->second.get();
}

void ExplorerSession::release(const VXWidget* widget)
{
    sessions().erase(widget);
}
