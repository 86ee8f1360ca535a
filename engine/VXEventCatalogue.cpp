#include "engine/VXEventCatalogue.h"

#include "engine/PayloadCheck.h"
#include "engine/VXEvent.h"
#include "engine/VXEventMouse.h"
#include "engine/modelexplorer/VXEventBoolArray.h"
#include "engine/modelexplorer/VXEventIntArray.h"
#include "engine/modelexplorer/VXEventMouseUDI.h"
#include "engine/modelexplorer/VXEventRect.h"
#include "engine/modelexplorer/VXEventUDI.h"
#include "engine/modelexplorer/VXMEEventCreateObject.h"
#include "engine/modelexplorer/VXMEEventData.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEEventStringList.h"
#include "engine/modelexplorer/VXMEObjectPropnameEventData.h"

#include <algorithm>
#include <atomic>
#include <type_traits>
#include <typeinfo>

namespace {

#define Named true
#define Unnamed false
const VXEventCatalogue::Row s_rows[] = {
#define VX_EVENT(id, name, payload, debug) { name, #name, #payload, debug },
#include "engine/VXEventCatalogue.def"
#undef VX_EVENT
};
#undef Named
#undef Unnamed

// A listener reads the row's class from the event: that class or one derived from it fits.
template <class Payload> bool isA(const VXEvent& event)
{
    if constexpr (std::is_same_v<Payload, VXEvent>)
        return true;
    else
        return dynamic_cast<const Payload*>(&event) != nullptr;
}

bool (*const s_fits[])(const VXEvent&) = {
#define VX_EVENT(id, name, payload, debug) &isA<payload>,
#include "engine/VXEventCatalogue.def"
#undef VX_EVENT
};

std::atomic<int> s_mismatches { 0 };

std::size_t indexOf(VXEventType type)
{
    const auto* end = s_rows + VXEventCatalogue::rowCount();
    const auto* row = std::lower_bound(s_rows, end, type,
        [](const VXEventCatalogue::Row& r, VXEventType t) { return r.type < t; });
    return row != end && row->type == type ? static_cast<std::size_t>(row - s_rows)
                                           : VXEventCatalogue::rowCount();
}

} // namespace

const VXEventCatalogue::Row* VXEventCatalogue::rows()
{
    return s_rows;
}

std::size_t VXEventCatalogue::rowCount()
{
    return sizeof(s_rows) / sizeof(s_rows[0]);
}

const VXEventCatalogue::Row* VXEventCatalogue::find(VXEventType type)
{
    const std::size_t index = indexOf(type);
    return index < rowCount() ? &s_rows[index] : nullptr;
}

const char* VXEventCatalogue::name(VXEventType type)
{
    const Row* row = find(type);
    return row ? row->name : nullptr;
}

bool VXEventCatalogue::fits(const VXEvent& event)
{
    const std::size_t index = indexOf(event.getType());
    if (index >= rowCount()) {
        ++s_mismatches;
        PayloadCheck::traceUnknown("event", static_cast<int>(event.getType()), typeid(event));
        return false;
    }
    if (s_fits[index](event))
        return true;
    ++s_mismatches;
    PayloadCheck::traceMismatch("event", static_cast<int>(event.getType()), s_rows[index].name,
        typeid(event), s_rows[index].payload);
    return false;
}

int VXEventCatalogue::mismatchCount()
{
    return s_mismatches.load();
}
