#pragma once

#include <cstdint>

/// Operation ids of the messages the engine thread hands to the GUI thread, from the message
/// catalogue. A message's Qt event type is 1000 plus its id.
enum VXMessageType : std::int32_t {
#define VX_MESSAGE(id, name, payload, delivery, reply, debug) name = id,
#include "engine/VXMessageCatalogue.def"
#undef VX_MESSAGE
};

/// Offset between a message id and the Qt event type that carries it.
constexpr int VXMessageEventBase = 1000;
