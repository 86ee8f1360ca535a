#include "vx_qtgui/GuiCreationRoute.h"

#include "messaging/QtActionMessage.h"
#include "messaging/QtAddSubmenuMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleStrBoolMessage.h"
#include "messaging/QtUIDStringList2Message.h"
#include "messaging/QtUIDsMessage.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiCheckBox.h"
#include "vx_qtgui/GuiGroupedRadioButton.h"
#include "vx_qtgui/GuiImageCheckBox.h"
#include "vx_qtgui/GuiRadioButton.h"

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

Table& table()
{
    static Table entries = [] {
        // One line per widget kind: id, parent, notify, update parent, factory, finish.
        const std::initializer_list<GuiCreationRoute::Entry> builtIn = {
            { BTNCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createButton, nullptr },
            { CHKCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createCheckBox, nullptr },
            { RBTCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createRadioButton,
                nullptr },
            { GRBCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createGroupedRadioButton,
                nullptr },
            { IMGCHKCreateMsg, GuiCreationRoute::WidgetParent, true, true, &createImageCheckBox,
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
