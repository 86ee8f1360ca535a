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
#include "vx_qtgui/textbrowser/GuiTextBrowser.h"
#include "vx_qtgui/textbrowser/GuiWebBrowser.h"

#include <QMainWindow>

#include <initializer_list>
#include <unordered_map>

namespace {

using Table = std::unordered_map<int, GuiCreationRoute::Entry>;

GuiObject* createButton(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiButton(key, parent, args->m_string1) : nullptr;
}

GuiObject* createCheckBox(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiCheckBox(key, parent, args->m_string1) : nullptr;
}

GuiObject* createRadioButton(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiRadioButton(key, parent) : nullptr;
}

GuiObject* createGroupedRadioButton(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleInt5Message*>(&msg);
    return args ? new GuiGroupedRadioButton(key, parent, args->m_int1) : nullptr;
}

GuiObject* createImageCheckBox(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiImageCheckBox(key, parent) : nullptr;
}

GuiObject* createTextBrowser(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiTextBrowser(key, parent, args->m_string1) : nullptr;
}

GuiObject* createWebBrowser(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiWebBrowser(key, parent, args->m_string1) : nullptr;
}

// The target of a progress creation is the proxy itself, which connects its emitters; it is
// used only while the registry knows it as a live object of that class.

GuiObject* createProgressBar(void* key, QtMessage& msg, QWidget* parent)
{
    auto* proxy
        = dynamic_cast<QtHandleMessage*>(&msg) ? VXObject::liveAs<VXProgressBar>(key) : nullptr;
    return proxy ? new GuiProgressBar(proxy, parent) : nullptr;
}

GuiObject* createProgressDialog(void* key, QtMessage& msg, QWidget* parent)
{
    auto* proxy
        = dynamic_cast<QtHandleMessage*>(&msg) ? VXObject::liveAs<VXProgressDialog>(key) : nullptr;
    return proxy ? new GuiProgressDialog(proxy, parent) : nullptr;
}

GuiObject* createAction(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtActionMessage*>(&msg) ? new GuiAction(key, parent) : nullptr;
}

GuiObject* createPopupMenu(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiPopupMenu(key, parent) : nullptr;
}

GuiObject* createToolBar(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg)
        ? new GuiToolBar(key, qobject_cast<QMainWindow*>(parent))
        : nullptr;
}

GuiObject* createComboBox(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiComboBox(key, parent, args->m_string1) : nullptr;
}

GuiObject* createEdit(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiEdit(key, parent, args->m_string1) : nullptr;
}

GuiObject* createEditArea(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiEditArea(key, parent) : nullptr;
}

GuiObject* createText(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleStr4Message*>(&msg) ? new GuiText(key, parent) : nullptr;
}

GuiObject* createSlider(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiSlider(key, parent, args->m_string1.toLocal8Bit()) : nullptr;
}

GuiObject* createImage(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args
        ? new GuiImage(key, parent, args->m_string1.toLocal8Bit(), args->m_string2.toLocal8Bit())
        : nullptr;
}

GuiObject* createHyperLink(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiHyperLink(key, parent, args->m_string1, args->m_string2) : nullptr;
}

GuiObject* createDialog(void* key, QtMessage& msg, QWidget*)
{
    auto* args = dynamic_cast<QtWFlagsMessage*>(&msg);
    return args ? new GuiDialog(key, nullptr, vrixFlagToQt(args->m_flags)) : nullptr;
}

GuiObject* createWindow(void* key, QtMessage& msg, QWidget*)
{
    auto* args = dynamic_cast<QtWFlagsMessage*>(&msg);
    return args ? new GuiWindow(key, nullptr, vrixFlagToQt(args->m_flags)) : nullptr;
}

GuiObject* createPanel(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiPanel(key, parent, args->m_string1) : nullptr;
}

GuiObject* createTopLevelPanel(void* key, QtMessage&, QWidget*)
{
    return new GuiPanel(key, nullptr, QString());
}

GuiObject* createGroupBox(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleStr4Message*>(&msg);
    return args ? new GuiGroupBox(key, parent, args->m_string1) : nullptr;
}

GuiObject* createTogglePanel(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiTogglePanel(key, parent) : nullptr;
}

GuiObject* createScrollView(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiScrollView(key, parent) : nullptr;
}

GuiObject* createWidgetStack(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiWidgetStack(key, parent) : nullptr;
}

GuiObject* createSplitter(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleStr4Message*>(&msg) ? new GuiSplitter(key, parent) : nullptr;
}

GuiObject* createTabBar(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiTabBar(key, parent) : nullptr;
}

GuiObject* createTab(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiTab(key, parent) : nullptr;
}

GuiObject* createGridLayout(void* key, QtMessage& msg, QWidget* parent)
{
    auto* args = dynamic_cast<QtHandleInt5Message*>(&msg);
    return args ? new GuiGridLayout(key, parent, args->m_int1, args->m_int2) : nullptr;
}

GuiObject* createFreeGridLayout(void* key, QtMessage& msg, QWidget*)
{
    auto* args = dynamic_cast<QtInt5Message*>(&msg);
    return args ? new GuiGridLayout(key, args->m_int1, args->m_int2) : nullptr;
}

GuiObject* createHBoxLayout(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiHBoxLayout(key, parent) : nullptr;
}

GuiObject* createFreeHBoxLayout(void* key, QtMessage&, QWidget*)
{
    return new GuiHBoxLayout(key);
}

GuiObject* createVBoxLayout(void* key, QtMessage& msg, QWidget* parent)
{
    return dynamic_cast<QtHandleMessage*>(&msg) ? new GuiVBoxLayout(key, parent) : nullptr;
}

GuiObject* createFreeVBoxLayout(void* key, QtMessage&, QWidget*)
{
    return new GuiVBoxLayout(key);
}

Table& table()
{
    static Table entries = [] {
        // One line per widget kind: id, parent, notify, update parent, factory, finish.
        const std::initializer_list<GuiCreationRoute::Entry> builtIn = {
            { ACTCreateMsg, GuiCreationRoute::WidgetParent, true, false, &createAction, nullptr },
            { POPCreateMsg, GuiCreationRoute::WidgetParent, true, false, &createPopupMenu,
                nullptr },
            { TOOLCreateMsg, GuiCreationRoute::MainWindowParent, true, true, &createToolBar,
                nullptr },
            { CMBCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createComboBox, nullptr },
            { BWSCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createTextBrowser,
                nullptr },
            { WEBCreateMsg, GuiCreationRoute::WidgetParent, false, true, &createWebBrowser,
                nullptr },
            { BTNCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createButton, nullptr },
            { CHKCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createCheckBox, nullptr },
            { RBTCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createRadioButton,
                nullptr },
            { GRBCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createGroupedRadioButton,
                nullptr },
            { IMGCHKCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createImageCheckBox,
                nullptr },
            { TXTCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createText, nullptr },
            { HYPCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createHyperLink, nullptr },
            { EDITCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createEdit, nullptr },
            { IMGCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createImage, nullptr },
            { EDITAREACreateMsg, GuiCreationRoute::WidgetParent, true, true, &createEditArea,
                nullptr },
            { SliderCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createSlider, nullptr },
            { ProgressBarCreateMsg, GuiCreationRoute::WidgetParent, false, false,
                &createProgressBar, nullptr },
            { ProgressDialogCreateMsg, GuiCreationRoute::WidgetParent, false, false,
                &createProgressDialog, nullptr },
            // Containers and layouts.
            { DLGCreateMsg, GuiCreationRoute::NoParent, true, false, &createDialog, nullptr },
            { WNDCreateMsg, GuiCreationRoute::NoParent, true, false, &createWindow, nullptr },
            { PNLCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createPanel, nullptr },
            { PNLCreate2Msg, GuiCreationRoute::NoParent, true, false, &createTopLevelPanel,
                nullptr },
            { GRPCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createGroupBox, nullptr },
            { TGLPNCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createTogglePanel,
                nullptr },
            { SVCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createScrollView, nullptr },
            { WSCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createWidgetStack,
                nullptr },
            { SPLTCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createSplitter, nullptr },
            { TABBARCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createTabBar, nullptr },
            { TABCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createTab, nullptr },
            { LAYCreateGrid1Msg, GuiCreationRoute::WidgetParent, true, true, &createGridLayout,
                nullptr },
            { LAYCreateGrid2Msg, GuiCreationRoute::NoParent, true, false, &createFreeGridLayout,
                nullptr },
            { LAYCreateHBox1Msg, GuiCreationRoute::WidgetParent, true, true, &createHBoxLayout,
                nullptr },
            { LAYCreateHBox2Msg, GuiCreationRoute::NoParent, true, false, &createFreeHBoxLayout,
                nullptr },
            { LAYCreateVBox1Msg, GuiCreationRoute::WidgetParent, true, true, &createVBoxLayout,
                nullptr },
            { LAYCreateVBox2Msg, GuiCreationRoute::NoParent, true, false, &createFreeVBoxLayout,
                nullptr },
        };
        Table built;
        for (const auto& entry : builtIn) {
            if (entry.create)
                built.emplace(entry.type, entry);
        }
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
