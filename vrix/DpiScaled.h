#pragma once

#include "vrix/DpiScaling.h"

#include <atomic>
#include <cstdint>
#include <type_traits>

namespace VRIX {

/// A size constant in device-independent units whose value is scaled by `dpiScale()` when
/// read. The scaled value is computed on first read and cached; it is recomputed only if the
/// factor has been changed since (in practice it is set once at start-up, before any read).
/// Integers are base × factor + 0.5, truncated. Reading from several threads is safe: racing
/// first reads compute the same value.
template <typename T> class DpiScaled {
    static_assert(std::is_same<T, int>::value || std::is_same<T, double>::value,
        "DpiScaled holds int or double");

public:
    constexpr explicit DpiScaled(T base) noexcept
        : m_base(base)
    {
    }
    DpiScaled(const DpiScaled&) = delete;
    DpiScaled& operator=(const DpiScaled&) = delete;

    T base() const noexcept { return m_base; }

    T value() const noexcept
    {
        const std::uint64_t generation = dpiScaleGeneration();
        if (m_computedFor.load(std::memory_order_acquire) == generation)
            return m_scaled.load(std::memory_order_relaxed);
        const T scaled = compute(dpiScale());
        m_scaled.store(scaled, std::memory_order_relaxed);
        m_computedFor.store(generation, std::memory_order_release);
        return scaled;
    }
    operator T() const noexcept { return value(); }

private:
    T compute(double factor) const noexcept
    {
        if constexpr (std::is_same<T, int>::value) {
            const double v = m_base * factor + 0.5;
            // Out-of-range casts are undefined; no real constant comes near the limits.
            if (!(v > -2147483648.0))
                return -2147483647 - 1;
            if (v >= 2147483647.0)
                return 2147483647;
            return int(v);
        } else
            return m_base * factor;
    }

    const T m_base;
    // Generation of the factor the cached value was computed for; 0 means not yet computed.
    mutable std::atomic<std::uint64_t> m_computedFor { 0 };
    mutable std::atomic<T> m_scaled { T() };
};

} // namespace VRIX
