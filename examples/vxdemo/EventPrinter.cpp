#include "examples/vxdemo/EventPrinter.h"

#include "engine/VXEvent.h"
#include "examples/vxdemo/DemoText.h"

#include <cstdio>
#include <utility>

namespace {

struct NamedType {
    const char* name;
    VXEventType type;
};

// Every type a proxy can raise (the library's debug log names only some of them).
constexpr NamedType kTypes[] = {
    { "AsyncDiagnosticEchoEvent", AsyncDiagnosticEchoEvent },
    { "ButtonPressEvent", ButtonPressEvent },
    { "CheckBoxToggleEvent", CheckBoxToggleEvent },
    { "CloseEvent", CloseEvent },
    { "FontDecreaseEvent", FontDecreaseEvent },
    { "FontIncreaseEvent", FontIncreaseEvent },
    { "MouseMoveEvent", MouseMoveEvent },
    { "ShowHideEvent", ShowHideEvent },
    { "FocusEvent", FocusEvent },
    { "CSHAccelEvent", CSHAccelEvent },
    { "ActionToggled", ActionToggled },
    { "ActionTriggered", ActionTriggered },
    { "EDITTimerEvent", EDITTimerEvent },
    { "CMBFocusLostEvent", CMBFocusLostEvent },
    { "CMBFocusGainedEvent", CMBFocusGainedEvent },
    { "CMBReturnPressedEvent", CMBReturnPressedEvent },
    { "CMBSelectionChangedEvent", CMBSelectionChangedEvent },
    { "CMBStringChangedEvent", CMBStringChangedEvent },
    { "DLGCloseEvent", DLGCloseEvent },
    { "DLGResizeEvent", DLGResizeEvent },
    { "DLGApplyCloseEvent", DLGApplyCloseEvent },
    { "EDITAREACtrlEnterEvent", EDITAREACtrlEnterEvent },
    { "EDITAREAFocusLostEvent", EDITAREAFocusLostEvent },
    { "EDITAREATextChangedEvent", EDITAREATextChangedEvent },
    { "EDITAREATextEditDoneEvent", EDITAREATextEditDoneEvent },
    { "EDITFocusLostEvent", EDITFocusLostEvent },
    { "EDITReturnPressedEvent", EDITReturnPressedEvent },
    { "EDITTextChangedEvent", EDITTextChangedEvent },
    { "EDITTextEditDoneEvent", EDITTextEditDoneEvent },
    { "EDITContextMenuEvent", EDITContextMenuEvent },
    { "VELMAREDITORTextChangedEvent", VELMAREDITORTextChangedEvent },
    { "VELMAREDITORFocusLostEvent", VELMAREDITORFocusLostEvent },
    { "GRBClickedEvent", GRBClickedEvent },
    { "HYPClickedEvent", HYPClickedEvent },
    { "IMGClickedEvent", IMGClickedEvent },
    { "TABBARTabChangedEvent", TABBARTabChangedEvent },
    { "WNDCloseEvent", WNDCloseEvent },
    { "WEBZVGRefreshEvent", WEBZVGRefreshEvent },
    { "WEBVelmarLinkEvent", WEBVelmarLinkEvent },
    { "ContextMenuEvent", ContextMenuEvent },
    { "INFAlwaysOnTopToggleEvent", INFAlwaysOnTopToggleEvent },
    { "INFClickMenuClickedEvent", INFClickMenuClickedEvent },
    { "INFFocusMenuClickedEvent", INFFocusMenuClickedEvent },
    { "TBZVGRefreshClickedEvent", TBZVGRefreshClickedEvent },
    { "MEApplyDialogOnCloseEvent", MEApplyDialogOnCloseEvent },
    { "MEAccordionChangedEvent", MEAccordionChangedEvent },
    { "MEClearIndicesEvent", MEClearIndicesEvent },
    { "SSClickHyperlinkPropEvent", SSClickHyperlinkPropEvent },
    { "MEColumnsReorderedEvent", MEColumnsReorderedEvent },
    { "MECreateNewObjEvent", MECreateNewObjEvent },
    { "MEListFilterChangedEvent", MEListFilterChangedEvent },
    { "MEGeometryChangedEvent", MEGeometryChangedEvent },
    { "MEListDragStartEvent", MEListDragStartEvent },
    { "MEListDropEvent", MEListDropEvent },
    { "MEListDropQueryEvent", MEListDropQueryEvent },
    { "SSGroupingChangedEvent", SSGroupingChangedEvent },
    { "SSItemsDblClickedEvent", SSItemsDblClickedEvent },
    { "SSSelectionChangedEvent", SSSelectionChangedEvent },
    { "SSSortingChangedEvent", SSSortingChangedEvent },
    { "MEModelChangedEvent", MEModelChangedEvent },
    { "MERightButtonClickedEvent", MERightButtonClickedEvent },
    { "MESplittersMovedEvent", MESplittersMovedEvent },
    { "MESubtreeReplaceRequest", MESubtreeReplaceRequest },
    { "METabBarSelectionEvent", METabBarSelectionEvent },
    { "METreeDragStartEvent", METreeDragStartEvent },
    { "METreeDropEvent", METreeDropEvent },
    { "METreeDropQueryEvent", METreeDropQueryEvent },
    { "METreeExpandedEvent", METreeExpandedEvent },
    { "METreeCollapsedEvent", METreeCollapsedEvent },
    { "METreeNodeCheckboxStateChangedEvent", METreeNodeCheckboxStateChangedEvent },
    { "METreeSelectionChangedEvent", METreeSelectionChangedEvent },
    { "METreeItemDblClickedEvent", METreeItemDblClickedEvent },
    { "MEUpdateDialogEvent", MEUpdateDialogEvent },
    { "MEViewHyperlinkEvent", MEViewHyperlinkEvent },
    { "MEViewSelectionChangedEvent", MEViewSelectionChangedEvent },
    { "MEHeaderContextMenuEvent", MEHeaderContextMenuEvent },
    { "SBSearchEvent", SBSearchEvent },
    { "SBSearchTypeEvent", SBSearchTypeEvent },
    { "SBValueEnteredEvent", SBValueEnteredEvent },
    { "SBVisibilityChangedEvent", SBVisibilityChangedEvent },
    { "TBVisibilityChangedEvent", TBVisibilityChangedEvent },
    { "SPAddToFavoritesEvent", SPAddToFavoritesEvent },
    { "SliderMovedEvent", SliderMovedEvent },
    { "SliderValueChangedEvent", SliderValueChangedEvent },
    { "SSGetPendingDataEvent", SSGetPendingDataEvent },
    { "SSItemsEditRequest", SSItemsEditRequest },
    { "SSItemsChangedEvent", SSItemsChangedEvent },
    { "ListViewHiddenEvent", ListViewHiddenEvent },
};

} // namespace

EventPrinter::EventPrinter(std::function<std::string(const VXWidget*)> nameOf)
    : m_nameOf(std::move(nameOf))
{
}

void EventPrinter::handleEvent(const VXEvent* event)
{
    if (!event)
        return;
    const char* type = typeName(static_cast<int>(event->getType()));
    std::string line = "event " + m_nameOf(event->getWidget()) + ' '
        + (type ? type : std::to_string(event->getType())) + " value="
        + std::to_string(event->getValue()) + " state=" + demotext::onOff(event->getState());
    if (event->getString() && *event->getString())
        line += " text=" + demotext::quoted(std::string(event->getString()));
    if (!event->getUString().empty())
        line += " utext=" + demotext::quoted(event->getUString());
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
    ++m_received;
    m_lastWidget = event->getWidget();
    m_lastType = event->getType();
}

const char* EventPrinter::typeName(int type)
{
    for (const NamedType& known : kTypes) {
        if (static_cast<int>(known.type) == type)
            return known.name;
    }
    return nullptr;
}

bool EventPrinter::typeByName(const std::string& name, VXEventType& type)
{
    for (const NamedType& known : kTypes) {
        if (name == known.name) {
            type = known.type;
            return true;
        }
    }
    return false;
}

std::vector<VXEventType> EventPrinter::allTypes()
{
    std::vector<VXEventType> all;
    for (const NamedType& known : kTypes)
        all.push_back(known.type);
    return all;
}
