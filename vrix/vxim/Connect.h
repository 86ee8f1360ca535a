#pragma once

#include "vrix/vxim/Emitter.h"
#include "vrix/vxim/SingleEmitter.h"

#include <type_traits>
#include <utility>

namespace VXIM {

/// Runs `(object->*member)(args...)` on `thread` for every emission of `emitter`.
template <class Signature, class Object, class Member>
void connect(
    TypedEmitter<Signature>& emitter, Object* object, Member member, Thread thread = Thread())
{
    static_assert(std::is_base_of_v<Listener, Object>, "slots belong to a VXIM::Listener");
    if (!object)
        return;
    emitter.connectSlot(
        object,
        [object, member](auto&&... args) -> decltype(auto) {
            return (object->*member)(std::forward<decltype(args)>(args)...);
        },
        std::move(thread));
}

/// Runs a free callable owned by `owner` (its disconnect ends the link) on `thread`.
template <class Signature, class Callable>
void connectFunction(TypedEmitter<Signature>& emitter, Listener* owner, Callable&& callable,
    Thread thread = Thread())
{
    emitter.connectSlot(owner, std::forward<Callable>(callable), std::move(thread));
}

} // namespace VXIM
