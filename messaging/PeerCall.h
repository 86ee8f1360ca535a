#pragma once

#include "messaging/QtMessage.h"
#include "messaging/VXMessageType.h"
#include "vrix/VXPoint.h"
#include "vrix/VXRect.h"

#include <list>
#include <string>
#include <type_traits>

/// The typed calls every engine-side peer makes. A post's payload class follows from its
/// arguments (nothing: QtMessage; bool: QtBoolMessage; int: QtIntMessage; text: QtStringMessage;
/// Handle: QtHandleMessage; Ints: QtInt5Message; Rect: QtRectMessage ...); a getter's reply
/// follows from its result type: bool and int come back through the completion record, texts,
/// colours, points and rectangles as reply messages. The bridge checks every message against its
/// catalogue row, so a call that does not fit its row is traced, never silently lost. Engine
/// thread.
namespace vxpeer {

/// Another proxy (or null) that the GUI side looks up.
struct Handle {
    const void* pointer;
};

/// Up to five ints (sizes, colours, indexes).
struct Ints {
    int a = 0, b = 0, c = 0, d = 0, e = 0;
};

/// A handle and up to five ints.
struct HandleInts {
    const void* pointer;
    int a = 0, b = 0, c = 0, d = 0, e = 0;
};

/// x, y, width, height; travels as left, top, right, bottom (inclusive).
struct Rect {
    int x, y, width, height;
};

/// Red, green, blue (0..255) read back from a widget; `valid` is false without a reply.
struct Color {
    double red = 0, green = 0, blue = 0;
    bool valid = false;
};

/// A font request: an empty family and -1 ints leave those attributes alone.
struct Font {
    const char* family;
    int pointSize, bold, italic, underline;
};

void post(const void* target, VXMessageType id);
void post(const void* target, VXMessageType id, bool flag);
void post(const void* target, VXMessageType id, int value);
void post(const void* target, VXMessageType id, double value);
void post(const void* target, VXMessageType id, const std::u16string& text);
/// 8-bit host text in the local encoding; null is empty.
void post(const void* target, VXMessageType id, const char* text);
void post(const void* target, VXMessageType id, Handle handle);
void post(const void* target, VXMessageType id, Handle handle, bool flag);
void post(const void* target, VXMessageType id, Ints ints);
void post(const void* target, VXMessageType id, HandleInts handleInts);
void post(const void* target, VXMessageType id, Rect rect);
void post(const void* target, VXMessageType id, Font font);

/// Posts a payload built by the caller (taken).
void post(QtMessage* message);
/// Sends a payload built by the caller (taken) and answers the completion's integer.
int send(QtMessage* message);
/// Sends without arguments (creation of argument-less kinds, destruction).
int send(const void* target, VXMessageType id);
/// Sends `request` (taken) and keeps its reply (null when nobody answered).
QtMessageHolder sendForReply(QtMessage* request);

/// Hands a host-owned object over with the message: the GUI handler takes it; a message that is
/// dropped, refused after quit or never handled deletes it.
template <class T> void postOwned(const void* target, VXMessageType id, T* owned);

/// A getter: `R` is bool or int (from the completion record), std::u16string (a string reply),
/// Color (a three-double reply), VRIX::VXPoint<int> (a two-int reply) or VRIX::VXRect<int> (a
/// rectangle reply). Without an answer: 0, false, empty, the origin.
template <class R> R ask(const void* target, VXMessageType id);
/// The same for a request that carries arguments (taken).
template <class R> R ask(QtMessage* request);
/// A getter whose row answers with a QtIntMessage reply (message boxes); `fallback` without one.
int askReplyInt(QtMessage* request, int fallback);
/// A text getter converted to the local 8-bit encoding.
std::string askText8(const void* target, VXMessageType id);
/// A text getter converted to the local 8-bit encoding and duplicated with the host's utStrdup
/// (the host frees it); null without an answer.
char* askDup8(const void* target, VXMessageType id);
/// A colour getter: red, green, blue into the outputs; false and the outputs untouched without
/// an answer.
bool askColor(const void* target, VXMessageType id, double& red, double& green, double& blue);
/// A text getter converted to Latin-1.
std::string askLatin1(const void* target, VXMessageType id);

template <> int ask<int>(QtMessage* request);
template <> bool ask<bool>(QtMessage* request);
template <> std::u16string ask<std::u16string>(QtMessage* request);
template <> Color ask<Color>(QtMessage* request);
template <> VRIX::VXPoint<int> ask<VRIX::VXPoint<int>>(QtMessage* request);
template <> VRIX::VXRect<int> ask<VRIX::VXRect<int>>(QtMessage* request);
/// A list reply (QtListInt2Message) as UTF-16 texts; empty without one.
template <> std::list<std::u16string> ask<std::list<std::u16string>>(QtMessage* request);

template <class R> R ask(const void* target, VXMessageType id)
{
    return ask<R>(new QtMessage(const_cast<void*>(target), id));
}

/// The handle message that owns what it carries; defined with the payload classes.
QtMessage* makeOwningHandleMessage(
    const void* target, VXMessageType id, void* owned, void (*release)(void*));

template <class T> void postOwned(const void* target, VXMessageType id, T* owned)
{
    static_assert(!std::is_void<T>::value, "an owned payload needs its type to be freed");
    post(makeOwningHandleMessage(
        target, id, owned, [](void* pointer) { delete static_cast<T*>(pointer); }));
}

} // namespace vxpeer
