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

#include <initializer_list>
#include <unordered_map>

namespace {

using Table = std::unordered_map<int, GuiCreationRoute::Entry>;

Table& table()
{
    static Table entries = [] {
        // One line per widget kind: id, parent, notify, update parent, factory, finish.
        const std::initializer_list<GuiCreationRoute::Entry> builtIn = {};
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
