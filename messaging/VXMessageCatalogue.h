#pragma once

#include "messaging/VXMessageType.h"

#include <cstddef>
#include <typeinfo>

class QtMessage;

/// Read access to the message catalogue (engine/VXMessageCatalogue.def): for each id its payload
/// class, whether peers post or send it, and how a getter answers. The bridge checks every
/// message it hands over and the dispatcher every message it routes. Any thread; the table is
/// constant.
class VXMessageCatalogue {
public:
    enum Delivery {
        Post, ///< asynchronous: setters and commands
        Send, ///< the engine thread waits: creation and getters
        PostOrSend, ///< the caller chooses (a show that may wait)
        Wake, ///< never travels as a message: the GUI thread's wake-up event type
        Open, ///< no operation uses it yet; its payload class is not settled
    };

    enum Reply {
        NoReply, ///< nothing comes back
        Result, ///< a number or bool in the completion record
        ReplyMessage, ///< a reply message of the row's reply class
    };

    struct Row {
        VXMessageType id;
        const char* name;
        const char* payload;
        Delivery delivery;
        Reply reply;
        /// The reply class for ReplyMessage, else null.
        const char* replyClass;
        /// Whether the debug log prints the name.
        bool named;
    };

    VXMessageCatalogue() = delete;

    /// Every row in id order.
    static const Row* rows();
    static std::size_t rowCount();
    /// The row of an id, or null.
    static const Row* find(int id);

    /// A message of the row's payload class with default arguments (tests and fuzzing); null for
    /// an id without a row.
    static QtMessage* make(int id, void* target);
    /// Whether `message` carries exactly its row's payload class and travels as its row says
    /// (`sent` true for a send). A mismatch is traced with both class names and counted. `where`
    /// names the checking side in the trace.
    static bool fits(const QtMessage& message, bool sent, const char* where);
    /// Only the payload class (the dispatcher does not know how a message travelled); a class
    /// derived from the row's fits, since a handler reads the row's fields from it.
    static bool fitsPayload(const QtMessage& message, const char* where);
    /// The same; with `exact`, only the row's own class fits (what peers must send).
    static bool fitsPayload(const QtMessage& message, const char* where, bool exact);
    /// A reply of another class than the reader expects: traced and counted.
    static void traceReplyMismatch(int id, const QtMessage& reply, const std::type_info& expected);
    /// Mismatches traced since start-up.
    static int mismatchCount();
};
