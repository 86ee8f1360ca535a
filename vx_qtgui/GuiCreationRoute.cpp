#include "vx_qtgui/GuiCreationRoute.h"

#include "engine/VXProgressBar.h"
#include "engine/VXProgressDialog.h"
#include "messaging/QtActionMessage.h"
#include "messaging/QtAddSubmenuMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleStrBoolMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtStringIDMapMessage.h"
#include "messaging/QtUIDStringList2Message.h"
#include "messaging/QtUIDsMessage.h"
#include "messaging/QtWFlagsMessage.h"
#include "vx_qtgui/GuiAction.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiCheckBox.h"
#include "vx_qtgui/GuiComboBox.h"
#include "vx_qtgui/GuiConversions.h"
#include "vx_qtgui/GuiDialog.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiEditArea.h"
#include "vx_qtgui/GuiGridLayout.h"
#include "vx_qtgui/GuiGroupBox.h"
#include "vx_qtgui/GuiGroupedRadioButton.h"
#include "vx_qtgui/GuiHBoxLayout.h"
#include "vx_qtgui/GuiHyperLink.h"
#include "vx_qtgui/GuiImage.h"
#include "vx_qtgui/GuiImageCheckBox.h"
#include "vx_qtgui/GuiPanel.h"
#include "vx_qtgui/GuiPopupMenu.h"
#include "vx_qtgui/GuiProgressBar.h"
#include "vx_qtgui/GuiProgressDialog.h"
#include "vx_qtgui/GuiRadioButton.h"
#include "vx_qtgui/GuiScrollView.h"
#include "vx_qtgui/GuiSlider.h"
#include "vx_qtgui/GuiSplitter.h"
#include "vx_qtgui/GuiTab.h"
#include "vx_qtgui/GuiTabBar.h"
#include "vx_qtgui/GuiText.h"
#include "vx_qtgui/GuiTogglePanel.h"
#include "vx_qtgui/GuiToolBar.h"
#include "vx_qtgui/GuiVBoxLayout.h"
#include "vx_qtgui/GuiWidgetStack.h"
#include "vx_qtgui/GuiWindow.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"
#include "vx_qtgui/textbrowser/GuiTextBrowser.h"
#include "vx_qtgui/textbrowser/GuiWebBrowser.h"

#include <QMainWindow>

#include <initializer_list>
#include <type_traits>
#include <unordered_map>

namespace {

using Table = std::unordered_map<int, GuiCreationRoute::Entry>;

// One constructor argument read from a creation payload: a field as it stands, or converted.
template <auto Member> struct Field;
template <class Payload, class Type, Type Payload::*Member> struct Field<Member> {
    using Message = Payload;
    static const Type& read(const Payload& message) { return message.*Member; }
};
template <auto Member> struct Local8;
template <class Payload, QString Payload::*Member> struct Local8<Member> {
    using Message = Payload;
    static QByteArray read(const Payload& message) { return (message.*Member).toLocal8Bit(); }
};
struct WindowFlags {
    using Message = QtWFlagsMessage;
    static Qt::WindowFlags read(const QtWFlagsMessage& message)
    {
        return vrixFlagToQt(message.m_flags);
    }
};
struct NoName {
    static QString read(const QtMessage&) { return QString(); }
};

using Text1 = Field<&QtHandleStr4Message::m_string1>;
using Text2 = Field<&QtHandleStr4Message::m_string2>;
using Text1Local8 = Local8<&QtHandleStr4Message::m_string1>;
using Text2Local8 = Local8<&QtHandleStr4Message::m_string2>;
using Count = Field<&QtHandleInt5Message::m_int1>;
using Rows = Field<&QtHandleInt5Message::m_int1>;
using Columns = Field<&QtHandleInt5Message::m_int2>;
using FreeRows = Field<&QtInt5Message::m_int1>;
using FreeColumns = Field<&QtInt5Message::m_int2>;

// A widget under the parent the route found, from the row's payload class; null for a payload
// of another class (a route installed for another message).
template <class Widget, class Payload, class... Args>
GuiObject* make(void* key, QtMessage& msg, QWidget* parent)
{
    auto* payload = dynamic_cast<Payload*>(&msg);
    if (!payload)
        return nullptr;
    if constexpr (std::is_constructible_v<Widget, void*, QWidget*,
                      decltype(Args::read(*payload))...>)
        return new Widget(key, parent, Args::read(*payload)...);
    else
        return new Widget(key, qobject_cast<QMainWindow*>(parent), Args::read(*payload)...);
}

// A layout that starts without a parent widget.
template <class Layout, class Payload, class... Args>
GuiObject* makeFree(void* key, QtMessage& msg, QWidget*)
{
    auto* payload = dynamic_cast<Payload*>(&msg);
    return payload ? new Layout(key, Args::read(*payload)...) : nullptr;
}

// The target of a progress creation is the proxy itself, which connects its emitters; it is
// used only while the registry knows it as a live object of that class.
template <class Widget, class Proxy>
GuiObject* makeProgress(void* key, QtMessage& msg, QWidget* parent)
{
    auto* proxy = dynamic_cast<QtHandleMessage*>(&msg) ? VXObject::liveAs<Proxy>(key) : nullptr;
    return proxy ? new Widget(proxy, parent) : nullptr;
}

// An explorer window answers its actions' shortcuts itself, wherever the focus is inside it.
void registerExplorerShortcut(GuiObject* created, QWidget* parent)
{
    auto* action = dynamic_cast<GuiAction*>(created);
    auto* explorer = qobject_cast<GuiModelExplorer*>(parent);
    if (action && explorer && !action->shortcut().toString(QKeySequence::NativeText).isEmpty())
        explorer->addShortcut(action);
}

// A search bar or panel made for an explorer window shows the window's translated texts; the
// window's list tab bar shows while its search bar does.
void giveExplorerTexts(GuiObject* created, QWidget* parent)
{
    auto* explorer = qobject_cast<GuiModelExplorer*>(parent);
    if (!explorer)
        return;
    if (auto* bar = dynamic_cast<GuiSearchBar*>(created)) {
        GuiModelExplorer::applyCatalogueTexts(bar);
        QObject::connect(bar, &QToolBar::visibilityChanged, explorer,
            &GuiModelExplorer::slotSBVisibilityChanged);
        QObject::connect(bar, &QObject::destroyed, explorer, &GuiModelExplorer::slotSBDestroyed);
    } else if (auto* panel = dynamic_cast<GuiSearchPanel*>(created))
        GuiModelExplorer::applyCatalogueTexts(panel);
}

Table& table()
{
    using R = GuiCreationRoute;
    static Table entries = [] {
        // One row per creation id: parent, notify, update parent, factory, finish.
        const std::initializer_list<GuiCreationRoute::Entry> builtIn = {
            { ACTCreateMsg, R::WidgetParent, true, false, &make<GuiAction, QtActionMessage>,
                &registerExplorerShortcut },
            { POPCreateMsg, R::WidgetParent, true, false, &make<GuiPopupMenu, QtHandleMessage> },
            { TOOLCreateMsg, R::MainWindowParent, true, true, &make<GuiToolBar, QtHandleMessage> },
            { CMBCreateMsg, R::WidgetParent, true, true,
                &make<GuiComboBox, QtHandleStr4Message, Text1> },
            { BWSCreateMsg, R::WidgetParent, true, true,
                &make<GuiTextBrowser, QtHandleStr4Message, Text1> },
            { WEBCreateMsg, R::WidgetParent, false, true,
                &make<GuiWebBrowser, QtHandleStr4Message, Text1> },
            { BTNCreateMsg, R::WidgetParent, true, true,
                &make<GuiButton, QtHandleStr4Message, Text1> },
            { CHKCreateMsg, R::WidgetParent, true, true,
                &make<GuiCheckBox, QtHandleStr4Message, Text1> },
            { RBTCreateMsg, R::WidgetParent, true, true, &make<GuiRadioButton, QtHandleMessage> },
            { GRBCreateMsg, R::WidgetParent, true, true,
                &make<GuiGroupedRadioButton, QtHandleInt5Message, Count> },
            { IMGCHKCreateMsg, R::WidgetParent, true, true,
                &make<GuiImageCheckBox, QtHandleMessage> },
            { TXTCreateMsg, R::WidgetParent, true, true, &make<GuiText, QtHandleStr4Message> },
            { HYPCreateMsg, R::WidgetParent, true, true,
                &make<GuiHyperLink, QtHandleStr4Message, Text1, Text2> },
            { EDITCreateMsg, R::WidgetParent, true, true,
                &make<GuiEdit, QtHandleStr4Message, Text1> },
            { IMGCreateMsg, R::WidgetParent, true, true,
                &make<GuiImage, QtHandleStr4Message, Text1Local8, Text2Local8> },
            { EDITAREACreateMsg, R::WidgetParent, true, true, &make<GuiEditArea, QtHandleMessage> },
            { SliderCreateMsg, R::WidgetParent, true, true,
                &make<GuiSlider, QtHandleStr4Message, Text1Local8> },
            { ProgressBarCreateMsg, R::WidgetParent, false, false,
                &makeProgress<GuiProgressBar, VXProgressBar> },
            { ProgressDialogCreateMsg, R::WidgetParent, false, false,
                &makeProgress<GuiProgressDialog, VXProgressDialog> },
            // Containers and layouts.
            { DLGCreateMsg, R::NoParent, true, false,
                &make<GuiDialog, QtWFlagsMessage, WindowFlags> },
            { WNDCreateMsg, R::NoParent, true, false,
                &make<GuiWindow, QtWFlagsMessage, WindowFlags> },
            { MECreateMsg, R::NoParent, true, false,
                &make<GuiModelExplorer, QtStringIDMapMessage> },
            { PNLCreateMsg, R::WidgetParent, true, true,
                &make<GuiPanel, QtHandleStr4Message, Text1> },
            { PNLCreate2Msg, R::NoParent, true, false, &make<GuiPanel, QtMessage, NoName> },
            { GRPCreateMsg, R::WidgetParent, true, true,
                &make<GuiGroupBox, QtHandleStr4Message, Text1> },
            { TGLPNCreateMsg, R::WidgetParent, true, true, &make<GuiTogglePanel, QtHandleMessage> },
            { SVCreateMsg, R::WidgetParent, true, true, &make<GuiScrollView, QtHandleMessage> },
            { WSCreateMsg, R::WidgetParent, true, true, &make<GuiWidgetStack, QtHandleMessage> },
            { SPLTCreateMsg, R::WidgetParent, true, true, &make<GuiSplitter, QtHandleStr4Message> },
            { TABBARCreateMsg, R::WidgetParent, true, true, &make<GuiTabBar, QtHandleMessage> },
            { TABCreateMsg, R::WidgetParent, true, true, &make<GuiTab, QtHandleMessage> },
            { LAYCreateGrid1Msg, R::WidgetParent, true, true,
                &make<GuiGridLayout, QtHandleInt5Message, Rows, Columns> },
            { LAYCreateGrid2Msg, R::NoParent, true, false,
                &makeFree<GuiGridLayout, QtInt5Message, FreeRows, FreeColumns> },
            { LAYCreateHBox1Msg, R::WidgetParent, true, true,
                &make<GuiHBoxLayout, QtHandleMessage> },
            { LAYCreateHBox2Msg, R::NoParent, true, false, &makeFree<GuiHBoxLayout, QtMessage> },
            { LAYCreateVBox1Msg, R::WidgetParent, true, true,
                &make<GuiVBoxLayout, QtHandleMessage> },
            { LAYCreateVBox2Msg, R::NoParent, true, false, &makeFree<GuiVBoxLayout, QtMessage> },
            // The explorer's search bar and panel.
            { SBCreateMsg, R::WidgetParent, true, true, &make<GuiSearchBar, QtHandleMessage>,
                &giveExplorerTexts },
            { SPCreateMsg, R::WidgetParent, true, true, &make<GuiSearchPanel, QtHandleMessage>,
                &giveExplorerTexts },
            { SSCreateMsg, R::WidgetParent, true, true, &make<GuiSpreadSheet, QtHandleMessage> },
        };
        Table built;
        for (const auto& entry : builtIn)
            built.emplace(entry.type, entry);
        return built;
    }();
    return entries;
}

} // namespace

const GuiCreationRoute::Entry* GuiCreationRoute::find(VXMessageType type)
{
    const Table& entries = table();
    const auto it = entries.find(type);
    return it == entries.end() ? nullptr : &it->second;
}

bool GuiCreationRoute::replace(const Entry& entry, Entry* previous)
{
    Table& entries = table();
    const auto it = entries.find(entry.type);
    const bool replaced = it != entries.end();
    if (replaced && previous)
        *previous = it->second;
    if (!entry.create) {
        if (replaced)
            entries.erase(it);
        return replaced;
    }
    entries[entry.type] = entry;
    return replaced;
}

void GuiCreationRoute::remove(VXMessageType type)
{
    table().erase(type);
}

void* GuiCreationRoute::payloadHandle(QtMessage& msg)
{
    if (auto* m = dynamic_cast<QtHandleMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtHandleStr4Message*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtHandleInt5Message*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtHandleBoolMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtHandleStrBoolMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtHandleNumStrMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtActionMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtAddSubmenuMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtUIDsMessage*>(&msg))
        return m->m_handle;
    if (auto* m = dynamic_cast<QtUIDStringList2Message*>(&msg))
        return m->m_handle;
    return nullptr;
}
