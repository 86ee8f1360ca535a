#include "messaging/VXMessageCatalogue.h"

#include "engine/PayloadCheck.h"
#include "engine/VXDebugOutputLogging.h"
#include "messaging/QtActionMessage.h"
#include "messaging/QtAddSubmenuMessage.h"
#include "messaging/QtBoolArrayMessage.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "messaging/QtDoubleArrayMessage.h"
#include "messaging/QtDoubleMessage.h"
#include "messaging/QtGridStretchMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleStrBoolMessage.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "messaging/QtHandleUString6IntMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntArrayMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtProgressMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStr2Int2Message.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtString2BoolMessage.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtString4Message.h"
#include "messaging/QtString5Message.h"
#include "messaging/QtStringIDMapMessage.h"
#include "messaging/QtStringList2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtUIDStringList2Message.h"
#include "messaging/QtUIDsMessage.h"
#include "messaging/QtWFlagsMessage.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <type_traits>
#include <vector>

namespace {

// Stand-ins for the columns that name no class.
using NoReply = void;
using Result = void;
using Unsettled = QtMessage;

#define Named true
#define Unnamed false

struct TypedRow {
    const std::type_info* payload;
    QtMessage* (*make)(void* target, VXMessageType id);
    const std::type_info* reply;
    /// Whether a message is of the payload class or derived from it.
    bool (*isA)(const QtMessage& message);
};

template <class Payload> QtMessage* makeDefault(void* target, VXMessageType id)
{
    return new Payload(target, id);
}

template <class Payload> bool isA(const QtMessage& message)
{
    if constexpr (std::is_same_v<Payload, QtMessage>)
        return true;
    else
        return dynamic_cast<const Payload*>(&message) != nullptr;
}

template <class Reply> const std::type_info* replyType()
{
    if constexpr (std::is_void<Reply>::value)
        return nullptr;
    else
        return &typeid(Reply);
}

constexpr VXMessageCatalogue::Reply replyKind(const char* reply)
{
    // "NoReply" and "Result" are the two names that are not classes.
    return reply[0] == 'N' && reply[1] == 'o'                   ? VXMessageCatalogue::NoReply
        : reply[0] == 'R' && reply[1] == 'e' && reply[2] == 's' ? VXMessageCatalogue::Result
                                                                : VXMessageCatalogue::ReplyMessage;
}

const VXMessageCatalogue::Row s_rows[] = {
#define VX_MESSAGE(id, name, payload, delivery, reply, debug)                                      \
    { name, #name, #payload, VXMessageCatalogue::delivery, replyKind(#reply),                      \
        replyKind(#reply) == VXMessageCatalogue::ReplyMessage ? #reply : nullptr, debug },
#include "engine/VXMessageCatalogue.def"
#undef VX_MESSAGE
};

const TypedRow s_typed[] = {
#define VX_MESSAGE(id, name, payload, delivery, reply, debug)                                      \
    { &typeid(payload), &makeDefault<payload>, replyType<reply>(), &isA<payload> },
#include "engine/VXMessageCatalogue.def"
#undef VX_MESSAGE
};

#undef Named
#undef Unnamed

static_assert(sizeof(s_rows) / sizeof(s_rows[0]) == sizeof(s_typed) / sizeof(s_typed[0]));

std::atomic<int> s_mismatches { 0 };

// Ids are nearly dense: one slot per id up to the largest, each the row's index or the row
// count for a gap. Every message passes here twice on its way, a search would cost more.
const std::vector<std::uint16_t>& rowIndex()
{
    static const std::vector<std::uint16_t> index = [] {
        const std::size_t count = VXMessageCatalogue::rowCount();
        int largest = 0;
        for (std::size_t i = 0; i < count; ++i)
            largest = std::max(largest, static_cast<int>(s_rows[i].id));
        std::vector<std::uint16_t> built(
            static_cast<std::size_t>(largest) + 1, static_cast<std::uint16_t>(count));
        for (std::size_t i = 0; i < count; ++i)
            built[static_cast<std::size_t>(s_rows[i].id)] = static_cast<std::uint16_t>(i);
        return built;
    }();
    return index;
}

std::size_t indexOf(int id)
{
    const std::vector<std::uint16_t>& index = rowIndex();
    return id >= 0 && static_cast<std::size_t>(id) < index.size()
        ? index[static_cast<std::size_t>(id)]
        : VXMessageCatalogue::rowCount();
}

void traceDelivery(const VXMessageCatalogue::Row& row, bool sent, const char* where)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    char line[256];
    std::snprintf(line, sizeof line, "delivery mismatch - %d %s: %s %s, its row says %s\n",
        static_cast<int>(row.id), row.name, where, sent ? "sent" : "posted",
        row.delivery == VXMessageCatalogue::Post ? "post" : "send");
    VXDebugOutputLogging::output(line);
}

} // namespace

const VXMessageCatalogue::Row* VXMessageCatalogue::rows()
{
    return s_rows;
}

std::size_t VXMessageCatalogue::rowCount()
{
    return sizeof(s_rows) / sizeof(s_rows[0]);
}

const VXMessageCatalogue::Row* VXMessageCatalogue::find(int id)
{
    const std::size_t index = indexOf(id);
    return index < rowCount() ? &s_rows[index] : nullptr;
}

QtMessage* VXMessageCatalogue::make(int id, void* target)
{
    const std::size_t index = indexOf(id);
    return index < rowCount() ? s_typed[index].make(target, s_rows[index].id) : nullptr;
}

bool VXMessageCatalogue::fitsPayload(const QtMessage& message, const char* where)
{
    return fitsPayload(message, where, false);
}

bool VXMessageCatalogue::fitsPayload(const QtMessage& message, const char* where, bool exact)
{
    const int id = message.messageType();
    const std::size_t index = indexOf(id);
    if (index >= rowCount()) {
        ++s_mismatches;
        PayloadCheck::traceUnknown(where, id, typeid(message));
        return false;
    }
    const Row& row = s_rows[index];
    const TypedRow& typed = s_typed[index];
    // The same type_info object first: comparing two of them by name is what costs.
    const std::type_info& actual = typeid(message);
    if (row.delivery == Open || &actual == typed.payload || (!exact && typed.isA(message))
        || actual == *typed.payload)
        return true;
    ++s_mismatches;
    PayloadCheck::traceMismatch(where, id, row.name, typeid(message), row.payload);
    return false;
}

bool VXMessageCatalogue::fits(const QtMessage& message, bool sent, const char* where)
{
    if (!fitsPayload(message, where, true))
        return false;
    const Row& row = *find(message.messageType());
    const bool deliveryFits = row.delivery == Open || row.delivery == PostOrSend
        || (sent ? row.delivery == Send : row.delivery == Post);
    if (deliveryFits)
        return true;
    ++s_mismatches;
    traceDelivery(row, sent, where);
    return false;
}

void VXMessageCatalogue::traceReplyMismatch(
    int id, const QtMessage& reply, const std::type_info& expected)
{
    ++s_mismatches;
    char expectedName[256];
    const Row* row = find(id);
    PayloadCheck::traceMismatch("reply", id, row ? row->name : "", typeid(reply),
        PayloadCheck::className(expected, expectedName, sizeof expectedName));
}

int VXMessageCatalogue::mismatchCount()
{
    return s_mismatches.load();
}
