#pragma once

#include <cstdint>

/// Kinds of user action reported from the GUI thread to the host's listeners, from the event
/// catalogue. InvalidEvent matches no event; as a listener registration it is removed along with
/// any type.
enum VXEventType : std::uint32_t {
#define VX_EVENT(id, name, payload, debug) name = id,
#include "engine/VXEventCatalogue.def"
#undef VX_EVENT
};
