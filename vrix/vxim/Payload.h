#pragma once

#include <tuple>
#include <type_traits>

namespace VXIM {

/// The arguments of one emission, shared by every packet the emission queued.
class Payload {
public:
    Payload() = default;
    Payload(const Payload&) = delete;
    Payload& operator=(const Payload&) = delete;
    virtual ~Payload() = default;
};

/// Copies of the emitted arguments; a Holder argument keeps one reference until the payload dies.
template <class... Args> class ArgsPayload final : public Payload {
public:
    template <class... A>
    explicit ArgsPayload(A&&... args)
        : m_args(std::forward<A>(args)...)
    {
    }
    std::tuple<std::decay_t<Args>...> m_args;
};

} // namespace VXIM
